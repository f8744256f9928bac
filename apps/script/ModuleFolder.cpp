#include "ModuleFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "FunctionCompiling.h"
#include "ModuleTextForms.h"
#include "display/PngFile.h"
#include "common/TextError.h"

namespace parlevox {
namespace {

constexpr const char* kHeaderComment =
    "# A Parlevox script module as text; `parlevox-script pack FOLDER FILE` builds it.\n"
    "# function NAME LINE-ENDS EDITOR-VALUE-1 EDITOR-VALUE-2: the source is NAME.pvs;\n"
    "# LINE-ENDS crlf: its lines end in CR LF in the module, asis: its bytes are kept.\n";

std::string PathIn(const std::string& folder, const std::string& name) { return folder + "/" + name; }

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadRequired(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw ModuleFolderError{path + ": cannot read the file"};
    return *bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw ModuleFolderError{path + ": cannot write the file"};
}

// Runs a reader of a text file, putting the file's name before its errors.
template <typename Read>
void ReadTextFile(const std::string& path, bool required, Read read) {
    std::optional<std::string> text = required ? ReadRequired(path) : ReadFileBytes(path);
    if (!text) return;
    try {
        read(*text);
    } catch (const TextFileError& error) {
        std::string at = error.line ? ":" + std::to_string(error.line) + ":" + std::to_string(error.column) : "";
        throw ModuleFolderError{path + at + ": " + error.text};
    }
}

std::string IntList(const std::vector<int32_t>& values) {
    std::string out;
    for (int32_t value : values) out += " " + std::to_string(value);
    return out;
}

std::string HeaderText(const CScriptModule& module, const std::vector<FunctionText>& functions) {
    std::string out = kHeaderComment;
    out += "id " + Hex8(module.Id()) + "\n";
    out += "name " + TokenText(module.Name()) + "\n";
    out += "author " + TokenText(module.Author()) + "\n";
    out += "copyright " + TokenText(module.Copyright()) + "\n";
    out += "fixed " + std::to_string(module.Fixed()) + "\n";
    out += "setup-a" + IntList(module.SetupListA()) + "\n";
    out += "setup-b" + IntList(module.SetupListB()) + "\n";
    for (const FunctionText& function : functions)
        out += "function " + TokenText(function.name) + (function.crlf ? " crlf " : " asis ") +
               std::to_string(function.editorValue1) + " " + std::to_string(function.editorValue2) + "\n";
    return out;
}

struct Header {
    std::optional<int32_t> id;
    std::string name, author, copyright;
    int32_t fixed = 0;
    std::vector<int32_t> setupA, setupB;
    std::vector<FunctionText> functions;
};

int32_t NumberAt(const TextToken& token, int line, bool hex = false) {
    std::optional<int32_t> value = token.quoted ? std::nullopt : hex ? ParseHex(token.text) : ParseDecimal(token.text);
    if (!value) throw TextFileError{"a number was expected here", line, token.column};
    return *value;
}

std::string ModuleText(const std::vector<TextToken>& tokens, int line) {
    if (tokens.size() != 2) throw TextFileError{tokens[0].text + " takes one text", line, tokens[0].column};
    const std::string& text = tokens[1].text;
    if (text.size() > CScriptModule::kMaxTextLength || text.find('\0') != std::string::npos)
        throw TextFileError{"at most 99 bytes, none of them zero", line, tokens[1].column};
    return text;
}

void ReadHeaderLine(Header& header, const std::vector<TextToken>& tokens, int line) {
    const std::string& key = tokens[0].text;
    auto numbers = [&](std::vector<int32_t>& into) {
        for (size_t i = 1; i < tokens.size(); ++i) into.push_back(NumberAt(tokens[i], line));
    };
    if (key == "id" && tokens.size() == 2) header.id = NumberAt(tokens[1], line, true);
    else if (key == "name") header.name = ModuleText(tokens, line);
    else if (key == "author") header.author = ModuleText(tokens, line);
    else if (key == "copyright") header.copyright = ModuleText(tokens, line);
    else if (key == "fixed" && tokens.size() == 2) header.fixed = NumberAt(tokens[1], line);
    else if (key == "setup-a") numbers(header.setupA);
    else if (key == "setup-b") numbers(header.setupB);
    else if (key == "function" && tokens.size() == 5 && (tokens[2].text == "crlf" || tokens[2].text == "asis"))
        header.functions.push_back({tokens[1].text, tokens[2].text == "crlf", NumberAt(tokens[3], line),
                                    NumberAt(tokens[4], line), {}, {}});
    else throw TextFileError{"not a line module.txt knows: " + TokenText(key), line, tokens[0].column};
}

Header ReadHeader(const std::string& path) {
    Header header;
    ReadTextFile(path, true, [&](const std::string& text) {
        std::vector<std::string> lines = SplitLines(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            std::vector<TextToken> tokens = TokenizeLine(lines[i], static_cast<int>(i) + 1);
            if (!tokens.empty()) ReadHeaderLine(header, tokens, static_cast<int>(i) + 1);
        }
        if (!header.id) throw TextFileError{"the module needs its id: id 1234abcd", 0, 0};
        if (header.name.empty()) throw TextFileError{"the module needs its name: name \"My Tools\"", 0, 0};
    });
    return header;
}

std::optional<CRawBitmap> ReadIcon(const std::string& folder) {
    const std::string path = PathIn(folder, "icon.png");
    std::optional<std::string> png = ReadFileBytes(path);
    if (!png) return std::nullopt;
    try {
        CRawBitmap icon = DecodePng(*png);
        if (icon.Width() != CScriptModule::kIconSize || icon.Height() != CScriptModule::kIconSize)
            throw TextError("the icon must be 48 x 48 pixels");
        return icon;
    } catch (const TextError& error) {
        throw ModuleFolderError{path + ": " + error.Text()};
    }
}

// File names come from function names; a name that cannot be one is refused.
void CheckFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string("/\0", 2)) != std::string::npos)
        throw ModuleFolderError{"the function name " + TokenText(name) + " cannot be a file name"};
}

}  // namespace

std::unique_ptr<CScriptModule> PackModuleFolder(const std::string& folder) {
    Header header = ReadHeader(PathIn(folder, "module.txt"));
    auto module = std::make_unique<CScriptModule>(*header.id, header.name, header.author, header.copyright,
                                                  ReadIcon(folder));
    module->SetFixed(header.fixed);
    module->SetupListA() = header.setupA;
    module->SetupListB() = header.setupB;
    ReadTextFile(PathIn(folder, "module-wide.txt"), false,
                 [&](const std::string& text) { ReadVariables(text, module->ModuleWide()); });
    ReadTextFile(PathIn(folder, "globals.txt"), false,
                 [&](const std::string& text) { ReadVariables(text, module->Globals()); });
    ReadTextFile(PathIn(folder, "reactions.txt"), false,
                 [&](const std::string& text) { module->Reactions() = ReadReactions(text); });
    ReadTextFile(PathIn(folder, "menu-items.txt"), false,
                 [&](const std::string& text) { module->MenuItems() = ReadMenuItems(text); });
    for (FunctionText& function : header.functions) {
        CheckFileName(function.name);
        function.path = PathIn(folder, function.name + ".pvs");
        function.fileText = ReadRequired(function.path);
    }
    try {
        AddCompiledFunctions(*module, header.functions);
    } catch (const FunctionCompileError& error) {
        throw ModuleFolderError{error.text};
    }
    return module;
}

void UnpackModule(const CScriptModule& module, const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::vector<FunctionText> functions = FunctionTexts(module);
    for (const FunctionText& function : functions) CheckFileName(function.name);
    WriteFileBytes(PathIn(folder, "module.txt"), HeaderText(module, functions));
    for (const FunctionText& function : functions)
        WriteFileBytes(PathIn(folder, function.name + ".pvs"), function.fileText);
    WriteFileBytes(PathIn(folder, "module-wide.txt"), VariablesText(module.ModuleWide()));
    WriteFileBytes(PathIn(folder, "globals.txt"), VariablesText(module.Globals()));
    WriteFileBytes(PathIn(folder, "reactions.txt"), ReactionsText(module.Reactions()));
    WriteFileBytes(PathIn(folder, "menu-items.txt"), MenuItemsText(module.MenuItems()));
    if (module.Icon()) WriteFileBytes(PathIn(folder, "icon.png"), EncodePng(*module.Icon()));
}

int PackCommand(const std::string& folder, const std::string& moduleFile, std::FILE* err) {
    try {
        std::unique_ptr<CScriptModule> module = PackModuleFolder(folder);
        WriteFileBytes(moduleFile, module->Serialize());
        return 0;
    } catch (const ModuleFolderError& error) {
        std::fprintf(err, "%s\n", error.text.c_str());
    } catch (const TextError& error) {
        std::fprintf(err, "%s: %s\n", folder.c_str(), error.Text());
    }
    return 1;
}

int UnpackCommand(const std::string& moduleFile, const std::string& folder, std::FILE* err) {
    try {
        std::unique_ptr<CScriptModule> module = CScriptModule::Parse(ReadRequired(moduleFile));
        UnpackModule(*module, folder);
        return 0;
    } catch (const ModuleFolderError& error) {
        std::fprintf(err, "%s\n", error.text.c_str());
    } catch (const TextError& error) {
        std::fprintf(err, "%s: %s\n", moduleFile.c_str(), error.Text());
    }
    return 1;
}

}  // namespace parlevox
