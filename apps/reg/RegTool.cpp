#include "RegTool.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <vector>

#include <fmt/format.h>

#include "RegToolValues.h"
#include "platform/RegeditText.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

constexpr const char* kProgram = "parlevox-reg";

bool IsStandardStream(const std::string& name) {
    return name == "-";
}

std::optional<std::string> ReadInput(const std::string& name) {
    if (!IsStandardStream(name)) return SafeFile::ReadAll(name);
    std::string text(std::istreambuf_iterator<char>(std::cin), {});
    if (std::cin.bad()) return std::nullopt;
    return text;
}

// The first line of an export text, blanks and a UTF-8 mark aside.
bool HasRegeditHeader(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    size_t end = text.find_first_of("\r\n");
    std::string_view first = text.substr(0, end);
    while (!first.empty() && (first.back() == ' ' || first.back() == '\t')) first.remove_suffix(1);
    return first == RegeditText::kHeader;
}

}  // namespace

std::string RegTool::UsageText() {
    return fmt::format(
        "Usage: {0} [--file REGFILE] COMMAND [ARGUMENTS]\n"
        "\n"
        "Looks at and repairs Parlevox's settings without the client. SECTION is a\n"
        "key below HKEY_CURRENT_USER\\{1} (\"Misc\",\n"
        "\"Your info\", \"Plug-in Viewer\"); section and value names ignore case.\n"
        "\n"
        "Commands:\n"
        "  export [FILE]             write the settings as REGEDIT4 text to FILE\n"
        "                            (default, or \"-\": standard output)\n"
        "  import [--replace] FILE   merge the REGEDIT4 text of FILE (\"-\": standard\n"
        "                            input) into the settings; with --replace the\n"
        "                            text takes the place of all current settings\n"
        "  get SECTION NAME          print one value: a string as it is, a DWORD as a\n"
        "                            signed number, other data as hex bytes\n"
        "  set [--dword|--string] SECTION NAME VALUE\n"
        "                            store one value; a DWORD is decimal or 0x hex.\n"
        "                            Without a type, an existing value keeps its type\n"
        "  delete SECTION [NAME]     remove one value, or the whole section\n"
        "\n"
        "Options:\n"
        "  --file REGFILE  the settings file (default: $PARLEVOX_REGISTRY, else\n"
        "                  $XDG_CONFIG_HOME/parlevox/registry.reg)\n"
        "  --help          show this text\n"
        "  --              end of options (for a VALUE that starts with \"--\")\n"
        "\n"
        "Quit Parlevox before changing its settings: it rewrites the file when it saves.\n"
        "Lines of a damaged settings file that cannot be read are reported; before a\n"
        "command rewrites such a file, the original is kept as REGFILE.bak.\n"
        "\n"
        "Exit status: 0 done, 1 no such value or section, 2 wrong command line,\n"
        "3 a file could not be read or written.\n",
        kProgram, Registry::kApplicationRoot);
}

int RegTool::Run(const RegToolArguments& args) {
    args_ = args;
    if (args_.help) {
        std::cout << UsageText();
        return kOk;
    }
    file_ = args_.registryFile.empty() ? Registry::DefaultFilePath() : args_.registryFile;
    if (args_.command == "export") return Export();
    if (args_.command == "import") return Import();
    if (args_.command == "get") return Get();
    if (args_.command == "set") return Set();
    if (args_.command == "delete") return Delete();
    return Fail(kUsage, "unknown command " + args_.command);
}

int RegTool::Export() {
    if (!CheckOperands(0, 1)) return kUsage;
    if (int code = LoadStore()) return code;
    const std::string text = registry_.ExportText();
    const std::string target = args_.operands.empty() ? "-" : args_.operands[0];
    if (IsStandardStream(target)) {
        std::cout << text << std::flush;
        return std::cout ? kOk : Fail(kFileError, "cannot write to standard output");
    }
    if (!SafeFile::WriteAtomically(target, text)) return Fail(kFileError, "cannot write " + target);
    return kOk;
}

int RegTool::Import() {
    if (!CheckOperands(1, 1)) return kUsage;
    const std::string& source = args_.operands[0];
    std::optional<std::string> text = ReadInput(source);
    if (!text) return Fail(kFileError, "cannot read " + source);
    if (!HasRegeditHeader(*text)) return Fail(kFileError, source + " is not a REGEDIT4 file");
    if (int code = LoadStore()) return code;
    if (args_.replace) ClearStore();
    int skipped = registry_.ImportText(*text);
    if (skipped > 0)
        std::cerr << fmt::format("{}: warning: {} line(s) of {} could not be read and were skipped\n", kProgram,
                                 skipped, source);
    return SaveStore();
}

int RegTool::Get() {
    if (!CheckOperands(2, 2)) return kUsage;
    if (int code = LoadStore()) return code;
    const std::string& section = args_.operands[0];
    const std::string& name = args_.operands[1];
    std::optional<RegistryValue> value = registry_.GetValue(SectionPath(section), name);
    if (!value) return Fail(kNotFound, fmt::format("no value \"{}\" in section \"{}\"", name, section));
    std::cout << PrintableValue(*value) << '\n' << std::flush;
    return kOk;
}

int RegTool::Set() {
    if (!CheckOperands(3, 3)) return kUsage;
    if (int code = LoadStore()) return code;
    const std::string path = SectionPath(args_.operands[0]);
    const std::string& name = args_.operands[1];
    const std::string& text = args_.operands[2];
    RegToolArguments::ValueType type = args_.type;
    if (type == RegToolArguments::ValueType::Keep) {
        std::optional<RegistryValue> old = registry_.GetValue(path, name);
        if (!old || old->type == RegistryType::Binary)
            return Fail(kUsage, old ? "the value holds binary data: give --dword or --string"
                                    : "a new value needs --dword or --string");
        type = old->type == RegistryType::Dword ? RegToolArguments::ValueType::Dword
                                                : RegToolArguments::ValueType::String;
    }
    if (type == RegToolArguments::ValueType::String) {
        registry_.SetValue(path, name, RegistryValue::FromString(text));
    } else {
        std::optional<uint32_t> number = ParseDwordArgument(text);
        if (!number) return Fail(kUsage, "not a DWORD number: " + text);
        registry_.SetValue(path, name, RegistryValue::FromDword(*number));
    }
    return SaveStore();
}

int RegTool::Delete() {
    if (!CheckOperands(1, 2)) return kUsage;
    if (int code = LoadStore()) return code;
    const std::string& section = args_.operands[0];
    const std::string path = SectionPath(section);
    if (args_.operands.size() == 1) {
        if (section.empty() || !registry_.DeleteKey(path))
            return Fail(kNotFound, fmt::format("no section \"{}\"", section));
    } else if (!registry_.DeleteValue(path, args_.operands[1])) {
        return Fail(kNotFound, fmt::format("no value \"{}\" in section \"{}\"", args_.operands[1], section));
    }
    return SaveStore();
}

bool RegTool::CheckOperands(size_t least, size_t most) {
    size_t given = args_.operands.size();
    if (given >= least && given <= most) return true;
    Fail(kUsage, fmt::format("{} for {}", given < least ? "too few arguments" : "too many arguments",
                             args_.command));
    return false;
}

void RegTool::ClearStore() {
    const RegistryKey* top = registry_.OpenKey("");
    std::vector<std::string> keys, values;
    for (const auto& entry : top->subkeys) keys.push_back(entry.second->name);
    for (const auto& entry : top->values) values.push_back(entry.first);
    for (const std::string& key : keys) registry_.DeleteKey(key);
    for (const std::string& value : values) registry_.DeleteValue("", value);
}

std::string RegTool::SectionPath(const std::string& section) const {
    return section.empty() ? std::string(Registry::kApplicationRoot)
                           : std::string(Registry::kApplicationRoot) + '\\' + section;
}

int RegTool::LoadStore() {
    if (!registry_.Load(file_)) return Fail(kFileError, "cannot read the settings file " + file_);
    if (int skipped = registry_.LoadSkippedLines())
        std::cerr << fmt::format("{}: warning: {} line(s) of {} could not be read\n", kProgram, skipped, file_);
    return kOk;
}

int RegTool::SaveStore() {
    if (!registry_.Modified()) return kOk;
    if (registry_.LoadSkippedLines() > 0) {
        // Keep what could not be read, for a repair by hand.
        std::optional<std::string> original = SafeFile::ReadAll(file_);
        if (!original || !SafeFile::WriteAtomically(file_ + ".bak", *original))
            return Fail(kFileError, "cannot keep a copy of the damaged file as " + file_ + ".bak");
        std::cerr << fmt::format("{}: the damaged file was kept as {}.bak\n", kProgram, file_);
    }
    if (!registry_.Save()) return Fail(kFileError, "cannot write the settings file " + file_);
    return kOk;
}

int RegTool::Fail(int code, const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    if (code == kUsage) std::cerr << "Try '" << kProgram << " --help'.\n";
    return code;
}

}  // namespace parlevox
