#pragma once
// parlevox-reg: looks at and repairs the client's settings without the
// client. Every command works on the settings file (--file, else the file
// the client uses) and saves it the way the client does.
#include <string>

#include "RegToolArguments.h"
#include "platform/Registry.h"

namespace parlevox {

class RegTool {
public:
    enum ExitCode { kOk = 0, kNotFound = 1, kUsage = 2, kFileError = 3 };

    static std::string UsageText();
    int Run(const RegToolArguments& args);

private:
    int Export();
    int Import();
    int Get();
    int Set();
    int Delete();

    bool CheckOperands(size_t least, size_t most);
    std::string SectionPath(const std::string& section) const;
    void ClearStore();
    int LoadStore();
    int SaveStore();
    int Fail(int code, const std::string& message);

    RegToolArguments args_;
    std::string file_;
    Registry registry_;
};

}  // namespace parlevox
