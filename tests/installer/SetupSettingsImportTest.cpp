#include "installer/SetupSettingsImport.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

// Every key and value of the store, one per line: "path" for a key,
// "path|name=text" or "path|name=#hex" for its values.
void List(const RegistryKey& key, const std::string& path, std::string& out) {
    for (const auto& [name, value] : key.values) {
        out += path + "|" + name + "=";
        if (value.type == RegistryType::Dword) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "#%x", *value.AsDword());
            out += hex;
        } else {
            out += value.data;
        }
        out += "\n";
    }
    for (const auto& [name, subkey] : key.subkeys) {
        const std::string subpath = path.empty() ? subkey->name : path + "\\" + subkey->name;
        out += subpath + "\n";
        List(*subkey, subpath, out);
    }
}

std::string List(const Registry& store) {
    std::string out;
    List(*store.OpenKey(""), "", out);
    return out;
}

const std::string kKey = "[HKEY_CURRENT_USER\\Software\\P]\n";
const std::string kKeyListed = "Software\nSoftware\\P\n";

TEST(SetupSettingsImportTest, AppliesTheLinesTheRulesAllow) {
    const std::string line511 = "\"L\"=\"" + std::string(511 - 6, 'x') + "\"\n";
    const std::string line512 = "\"L\"=\"" + std::string(512 - 6, 'x') + "\"\n";
    const struct {
        const char* description;
        std::string text;
        bool upgrade, ok;
        std::string listed;
    } cases[] = {
        {"text and dword", "REGEDIT4\n\n" + kKey + "\"Nick\"=\"abc\"\n\"Count\"=dword:0000001a\n", false, true,
         kKeyListed + "Software\\P|Count=#1a\nSoftware\\P|Nick=abc\n"},
        {"text kept as written", kKey + "\"Folder\"=\"Sound\\\\\"\n\"Q\"=\"a\\\"b\n", false, true,
         kKeyListed + "Software\\P|Folder=Sound\\\\\nSoftware\\P|Q=a\\\n"},
        {"missing components created", "[HKEY_CURRENT_USER\\A\\B\\C]\n", false, true, "A\nA\\B\nA\\B\\C\n"},
        {"the root itself", "[HKEY_CURRENT_USER]\n\"Top\"=dword:1\n", false, true, "|Top=#1\n"},
        {"CR and CRLF line ends", kKey + "\"A\"=\"1\"\r\"B\"=\"2\"\r\n", false, true,
         kKeyListed + "Software\\P|A=1\nSoftware\\P|B=2\n"},
        {"other lines skipped", kKey + "@=\"x\"\n; note\n\n\"A\"=\"1\"\n", false, true, kKeyListed + "Software\\P|A=1\n"},
        {"machine keys accepted, values dropped", "[HKEY_LOCAL_MACHINE\\Software\\X]\n\"A\"=\"1\"\n"
         "[HKEY_CLASSES_ROOT\\.pvx]\n\"B\"=dword:2\n", false, true, ""},
        {"another root fails", kKey + "\"A\"=\"1\"\n[HKEY_USERS\\X]\n\"B\"=\"2\"\n", false, false,
         kKeyListed + "Software\\P|A=1\n"},
        {"a root without backslash fails", "[HKEY_CURRENT_USERS]\n", false, false, ""},
        {"a key line without its bracket fails", "[HKEY_CURRENT_USER\\X\n", false, false, ""},
        {"a value before any key fails", "\"A\"=\"1\"\n", false, false, ""},
        {"a value without = fails", kKey + "\"A\" \"1\"\n", false, false, kKeyListed},
        {"an unclosed text fails", kKey + "\"A\"=\"1\n", false, false, kKeyListed},
        {"an unclosed name fails", kKey + "\"A=\"1\n", false, false, kKeyListed},
        {"! ends an upgrade", kKey + "\"A\"=\"1\"\n!\n\"B\"=\"2\"\n", true, true, kKeyListed + "Software\\P|A=1\n"},
        {"! skipped when fresh", kKey + "\"A\"=\"1\"\n!\n\"B\"=\"2\"\n", false, true,
         kKeyListed + "Software\\P|A=1\nSoftware\\P|B=2\n"},
        {"a last line without its end not applied", kKey + "\"A\"=\"1\"\n\"B\"=\"2\"", false, true,
         kKeyListed + "Software\\P|A=1\n"},
        {"511 characters applied", kKey + line511, false, true, kKeyListed + "Software\\P|L=" + std::string(505, 'x') + "\n"},
        {"512 characters end it", kKey + line512 + "\"A\"=\"1\"\n", false, true, kKeyListed},
        {"1 digit", kKey + "\"D\"=dword:f\n", false, true, kKeyListed + "Software\\P|D=#f\n"},
        {"8 digits", kKey + "\"D\"=dword:ffffffff\n", false, true, kKeyListed + "Software\\P|D=#ffffffff\n"},
        {"9 digits fail", kKey + "\"D\"=dword:000000001\n", false, false, kKeyListed},
        {"upper-case hex fails", kKey + "\"D\"=dword:0000001A\n", false, false, kKeyListed},
        {"no digits fail", kKey + "\"D\"=dword:\n", false, false, kKeyListed},
        {"a space after the digits fails", kKey + "\"D\"=dword:1 \n", false, false, kKeyListed},
        {"hex: values fail", kKey + "\"D\"=hex:01\n", false, false, kKeyListed},
    };
    for (const auto& c : cases) {
        Registry store;
        EXPECT_EQ(ImportSetupSettings(c.text, c.upgrade, store), c.ok) << c.description;
        EXPECT_EQ(List(store), c.listed) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
