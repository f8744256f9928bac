#pragma once
// The texts of scheme files: the header, the record types and names, the
// stand-in names of a hot spot's missing references, and the messages the
// reader and the writer fail with.
namespace parlevox::texts {

// The first 16 bytes of a scheme file, the terminating zero included.
inline constexpr const char* kSchemeFileHeader = "Scheme file 1.0";
inline constexpr const char* kSchemeCreatorSoftware = "quornwright Parlevox 1.5";

// Record types.
inline constexpr const char* kRecordNumber = "NUMBER";
inline constexpr const char* kRecordString = "STRING";
inline constexpr const char* kRecordImage = "IMAGE";
inline constexpr const char* kRecordText = "TEXT";  // read as an image, never written
inline constexpr const char* kRecordFadebox = "FADEBOX";
inline constexpr const char* kRecordFont = "FONT";
inline constexpr const char* kRecordSound = "SOUND";
inline constexpr const char* kRecordUrl = "URL";
inline constexpr const char* kRecordCommand = "COMMAND";
inline constexpr const char* kRecordHotspot = "HOTSPOT";
inline constexpr const char* kRecordColourMap = "COLOURMAP";
inline constexpr const char* kRecordDrawOrder = "DRAWORDER";
inline constexpr const char* kRecordUsage = "USAGE";
inline constexpr const char* kRecordMargins = "MARGINS";
inline constexpr const char* kRecordColour = "COLOUR";

// Names of the records of the scheme's fixed parts.
inline constexpr const char* kRecordMinVersion = "MinVersion";
inline constexpr const char* kRecordThisVersion = "ThisVersion";
inline constexpr const char* kRecordCreatorSoftware = "CreatorSoftware";
inline constexpr const char* kRecordColourMapName = "ColourMap";
inline constexpr const char* kRecordDrawOrderName = "DrawOrder";
inline constexpr const char* kRecordUsageName = "Usage";
inline constexpr const char* kRecordTextName = "Text";  // the margins and the text font
inline constexpr const char* kRecordBackground = "Background";

// A hot spot's reference to nothing.
inline constexpr const char* kNoHotspotGraphic = "!no hotspot graphic";
inline constexpr const char* kNoHotspotSound = "!no hotspot sound";
inline constexpr const char* kNoHotspotAction = "!no hotspot action";

// Reading.
inline constexpr const char* kSchemeFileCorrupt = "Scheme file corrupt";
inline constexpr const char* kNotASchemeFile = "Not a valid scheme file";
inline constexpr const char* kSchemeInflateInit = "Error initialising decompression for scheme file";
inline constexpr const char* kSchemeInflateFailed = "Error decompressing scheme file";
inline constexpr const char* kSchemeLoadError = "Error loading scheme file";
inline constexpr const char* kSchemeTooManyItems = "Too many items in scheme file";
inline constexpr const char* kSchemeLaterVersion = "Scheme file requires a later version of the system.";

// Writing.
inline constexpr const char* kSchemeCreateFailed = "Failed to create scheme file";
inline constexpr const char* kSchemeCreateError = "Error creating scheme file";
inline constexpr const char* kSchemeWriteError = "Error writing scheme file";
inline constexpr const char* kSchemeDeflateInit = "Error initialising scheme file compression";
inline constexpr const char* kSchemeDeflateFailed = "Error compressing scheme file";

// A sound added from a wave file.
inline constexpr const char* kSchemeWaveLoadError = "Error loading scheme .wav file";
inline constexpr const char* kSchemeWaveReadFailed = "Failed to read scheme .wav file";

}  // namespace parlevox::texts
