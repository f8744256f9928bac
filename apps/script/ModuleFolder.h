#pragma once
// A module as a folder of text files, for people who keep their modules in
// version control:
//   module.txt       id, name, author, copyright, fixed flag, the Setup
//                    lists, and the functions in order with their line-end
//                    mark and editor values
//   NAME.pvs         one function: "// locals: ..." then its source
//   module-wide.txt, globals.txt, reactions.txt, menu-items.txt (optional)
//   icon.png         the 48 x 48 icon (optional)
// Unpacking a module and packing the folder gives the same file for a
// module this tool wrote. Sources marked crlf are kept with LF in the folder
// and get CR LF back; sources whose line ends would not survive that are
// marked asis and kept byte for byte.
#include <cstdio>
#include <memory>
#include <string>

#include "modules/ScriptModule.h"

namespace parlevox {

// Its text is what the tool prints: "FILE:LINE:COLUMN: message" or
// "FILE: message".
struct ModuleFolderError {
    std::string text;
};

// Builds the module and compiles every function; throws ModuleFolderError.
std::unique_ptr<CScriptModule> PackModuleFolder(const std::string& folder);
// Writes the folder (made when missing); throws ModuleFolderError.
void UnpackModule(const CScriptModule& module, const std::string& folder);

// The tool's two commands; the exit status (0 fine, 1 failed).
int PackCommand(const std::string& folder, const std::string& moduleFile, std::FILE* err);
int UnpackCommand(const std::string& moduleFile, const std::string& folder, std::FILE* err);

}  // namespace parlevox
