#pragma once
// Where the data shipped with the client (help pages, tutorial) is read
// from: $PARLEVOX_DATA_DIR, else the folder of a portable install (made by
// parlevox-setup), which holds it itself, else the share folder beside an installed
// executable (<prefix>/bin/.. -> <prefix>/share/parlevox/), else the data/
// folder of the source tree the build was made from. The answer may name a
// folder that does not exist; its readers then find nothing.
#include <string>

namespace parlevox {

class DataFolder {
public:
    // With a trailing "/"; empty when nothing is known.
    static std::string Path();
    // The shipped script modules: "modules/" of the above, except in the
    // build tree, where the build packs them into a folder of its own.
    static std::string ModulesPath();
    // The shipped schemes: "schemes/" of the above, except in the build
    // tree, where the build makes them into a folder of its own.
    static std::string SchemesPath();
    // The shipped category file ("MajorChannels.dat" of the above, except in
    // the build tree, where the build makes it into its data/ folder).
    static std::string MajorChannelsPath();
};

}  // namespace parlevox
