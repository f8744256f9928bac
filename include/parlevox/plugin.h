/* Parlevox plug-in interface.
 *
 * The one header a plug-in needs. Two kinds of plug-in exist, both ELF
 * shared objects that export plain C functions:
 *
 *   - script-command plug-ins (file extension ".ParlevoxPlugIn") add
 *     commands that scripts call and that people type as "/" commands;
 *   - DCC plug-ins (".ParlevoxDCCPlugIn") take over received files of the
 *     types they declare, seeing every block as it arrives, and may show a
 *     window with a picture they draw into.
 *
 * The host calls every entry point, and a plug-in may call back, on the
 * client's user-interface thread only. Texts are 8-bit (Windows-1252, as
 * everywhere in the client) and zero-terminated; the host reads a text of
 * an information block only up to its field's size, terminator or not.
 *
 * Layout. The information blocks keep the byte offsets of the client's
 * original 32-bit interface for every field that is not an address. A field
 * that held a 32-bit address holds a pointer here, so on 64-bit builds it is
 * 8 bytes wide and aligned to 8: the icon pointer of a script-command
 * plug-in's block moves from 1412 to 1416, a DCC plug-in's from 180 to 184,
 * and the host blocks' handle and callback entries are 8 bytes each (see
 * docs/plugins.md for every offset).
 *
 * Pictures. An icon is 48 x 48 pixels, 3 bytes each (blue, green, red),
 * rows top first, 144 bytes a row. A window's picture has 4 bytes a pixel
 * (blue, green, red, unused), rows top first, PvBitmap.bytesPerRow apart;
 * it may be at most 1,048,576 bytes (512 x 512).
 */
#ifndef PARLEVOX_PLUGIN_H
#define PARLEVOX_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PV_PLUGIN_INTERFACE_VERSION 2
#define PV_MAX_PICTURE_BYTES 1048576
#define PV_ICON_SIZE 48

/* Marks an entry point for export: PV_PLUGIN_ENTRY int Init(...) { ... } */
#if defined(__GNUC__)
#define PV_PLUGIN_VISIBLE __attribute__((visibility("default")))
#else
#define PV_PLUGIN_VISIBLE
#endif
#ifdef __cplusplus
#define PV_PLUGIN_ENTRY extern "C" PV_PLUGIN_VISIBLE
#else
#define PV_PLUGIN_ENTRY PV_PLUGIN_VISIBLE
#endif

/* A script value of the host, read and built only through the callbacks.
 * A value is a row of components, each a string "s", an integer "i", a
 * function name "f", or an array of one of those ("as", "ai", "af"); its
 * type string lists them in short form, e.g. "si" or "as". */
typedef struct PvValue PvValue;

/* A window the host made for a plug-in; 0 is none. */
typedef intptr_t PvWindow;

/* A picture to draw into. */
typedef struct PvBitmap {
    int32_t width;
    int32_t height;
    int32_t bytesPerRow;
    uint8_t* pixels;
} PvBitmap;

/* Mouse events in a plug-in's picture, coordinates relative to it. */
enum PvMouseEvent {
    PV_MOUSE_LEFT_DOWN = 0,
    PV_MOUSE_LEFT_UP = 1,
    PV_MOUSE_RIGHT_DOWN = 2,
    PV_MOUSE_RIGHT_UP = 3,
    PV_MOUSE_MOVE = 4
};

/* ------------------------------------------------------------------------
 * Script-command plug-ins (".ParlevoxPlugIn")
 *
 * Exports:
 *   int      Init(PvScInfo* info, const PvScHost* host);
 *       Fill `info` (and draw the icon into info->iconPixels); keep `host`.
 *       Return non-zero to accept this host, 0 when it is not compatible.
 *   PvValue* Command(const char* name, const PvValue* argument);
 *       One of the plug-in's commands was called; `argument` matches the
 *       command's type string. Return a value made with host->createValue
 *       (the host copies it into the caller's result and destroys it), or
 *       null for no result.
 *   void     Startup(void);
 *       Once, after the main window exists.
 * ------------------------------------------------------------------------ */

#define PV_SC_MAX_COMMANDS 16

typedef struct PvScInfo {
    char name[32];                         /* offset 0 */
    char text2[32];                        /* 32: e.g. the author */
    char text3[64];                        /* 64: e.g. a copyright line */
    char commands[PV_SC_MAX_COMMANDS][64]; /* 128: command names */
    char types[PV_SC_MAX_COMMANDS][16];    /* 1152: each command's parameter type string, short form */
    int32_t commandCount;                  /* 1408: at most 16 */
    uint8_t* iconPixels;                   /* 1412 (32-bit) / 1416 (64-bit): set by the host, 48 x 48 x 3 */
} PvScInfo;

typedef struct PvScHost {
    int32_t version;   /* PV_PLUGIN_INTERFACE_VERSION */
    int32_t one;       /* 1 */
    void* context;     /* pass it back as the first argument of every callback */

    /* 1: a text window, as the script command WndTextNew makes it: a name
     * (letters, digits, "_"), a title ("_" shows as a blank), the script
     * function that takes typed lines or "-" for none, and "clear" or
     * "keep" for a window of that name that is open already. Non-zero when
     * it opened. */
    int32_t (*openTextWindow)(void* context, const char* name, const char* title, const char* inputFunction,
                              const char* clearOrKeep);
    /* 2: a line for the text window of that name; non-zero when it exists. */
    int32_t (*writeToWindow)(void* context, const char* name, const char* text);
    /* 3: a window showing a picture of width x height; 0 when it would
     * exceed PV_MAX_PICTURE_BYTES. `bitmap` receives the picture. */
    PvWindow (*createGraphicsWindow)(void* context, const char* title, int32_t width, int32_t height,
                                     PvBitmap* bitmap);
    /* 4: shows the window's picture again after drawing into it. */
    void (*redrawWindow)(void* context, PvWindow window);
    /* 5-8: settings in the section "Plug-in " + the plug-in's name. A
     * returned string stays valid until the next call of the same callback. */
    int32_t (*getSettingInt)(void* context, const char* key, int32_t defaultValue);
    void (*setSettingInt)(void* context, const char* key, int32_t value);
    const char* (*getSettingString)(void* context, const char* key, const char* defaultValue);
    void (*setSettingString)(void* context, const char* key, const char* value);
    /* 9: a window the plug-in draws itself, as a picture of width x height,
     * told of mouse events through `onMouse` (may be null); 0 when refused. */
    PvWindow (*createRealWindow)(void* context, const char* title, int32_t width, int32_t height, PvBitmap* bitmap,
                                 void (*onMouse)(void* user, int32_t event, int32_t x, int32_t y), void* user);
    /* 10, 11: a window made by 3 or 9. */
    void (*closeWindow)(void* context, PvWindow window);
    void (*setWindowTitle)(void* context, PvWindow window, const char* title);
    /* 12: a command line ("/msg bob hi", or text to say) run as if typed
     * in the window (0: the status window). */
    void (*runCommandLine)(void* context, PvWindow window, const char* line);
    /* 13: a system variable by name ("sSysNick"); null when there is none.
     * The value stays the host's. */
    const PvValue* (*getSystemVariable)(void* context, const char* name);
    /* 14-20: reading a value. Components count from 0. A string comes back
     * in a buffer of the host (at most 255 characters, valid until the next
     * call of the same callback); null, or -1 for integers, when the
     * component or element does not exist or has another type. */
    const char* (*getStringComponent)(void* context, const PvValue* value, int32_t component);
    int32_t (*getIntComponent)(void* context, const PvValue* value, int32_t component);
    const char* (*getFunctionComponent)(void* context, const PvValue* value, int32_t component);
    int32_t (*getArrayLength)(void* context, const PvValue* value, int32_t component);
    const char* (*getStringElement)(void* context, const PvValue* value, int32_t component, int32_t element);
    int32_t (*getIntElement)(void* context, const PvValue* value, int32_t component, int32_t element);
    const char* (*getFunctionElement)(void* context, const PvValue* value, int32_t component, int32_t element);
    /* 21: a new value of the type string (short form; arrays start empty). */
    PvValue* (*createValue)(void* context, const char* typeString);
    /* 22-27: changing a value made by 21. Element setters change only
     * elements that exist; nothing happens for a wrong type or index. */
    void (*setStringComponent)(void* context, PvValue* value, int32_t component, const char* text);
    void (*setIntComponent)(void* context, PvValue* value, int32_t component, int32_t number);
    void (*setFunctionComponent)(void* context, PvValue* value, int32_t component, const char* function);
    void (*setStringElement)(void* context, PvValue* value, int32_t component, int32_t element, const char* text);
    void (*setIntElement)(void* context, PvValue* value, int32_t component, int32_t element, int32_t number);
    void (*setFunctionElement)(void* context, PvValue* value, int32_t component, int32_t element,
                               const char* function);
    /* 28: reserved; returns 0. */
    int32_t (*hostQuery)(void);
} PvScHost;

/* ------------------------------------------------------------------------
 * DCC plug-ins (".ParlevoxDCCPlugIn")
 *
 * Exports:
 *   int  Init(PvDccInfo* info, const PvDccHost* host);
 *       As for script-command plug-ins; non-zero accepts the host.
 *   void Startup(void);      after the main window exists, and after an install
 *   void Setup(void);        the person pressed "Setup..." for the plug-in
 *   void Start(int32_t transfer, const char* path, int64_t expectedSize);
 *       A received file of one of the plug-in's types starts; `transfer`
 *       names it in the calls that follow and in the callbacks.
 *   void Data(int32_t transfer, int32_t length, const uint8_t* bytes);
 *       Every block as it arrives (a resumed file: first what the file held).
 *   void Finish(int32_t transfer, int32_t code);   0 complete, 2 failed
 *   void Event(int32_t transfer, int32_t event, int32_t x, int32_t y);
 *       Mouse events in the transfer's picture (PvMouseEvent).
 * The file is written to disk as well, whatever the plug-in does.
 * ------------------------------------------------------------------------ */

typedef struct PvDccInfo {
    char name[32];       /* offset 0 */
    char text1[32];      /* 32 */
    char text2[64];      /* 64 */
    char types[3][16];   /* 128, 144, 160: extensions without the dot; empty: none */
    int32_t value;       /* 176: kept with the plug-in */
    uint8_t* iconPixels; /* 180 (32-bit) / 184 (64-bit): set by the host, 48 x 48 x 3 */
} PvDccInfo;

typedef struct PvDccHost {
    int32_t version; /* PV_PLUGIN_INTERFACE_VERSION */
    int32_t one;     /* 1 */
    void* plugin;    /* pass it back as `plugin` */

    /* 1: closes the transfer and its window and deletes the received file. */
    void (*deleteTransfer)(void* plugin, int32_t transfer);
    /* 2: as 1, then ignores the sender ("Ignore during DCC"). */
    void (*ignoreSender)(void* plugin, int32_t transfer);
    /* 3: closes the transfer and its window; the file stays. */
    void (*closeTransfer)(void* plugin, int32_t transfer);
    /* 4: the transfer's window with a picture of width x height, a progress
     * bar (progress != 0) and the delete, ignore and close buttons
     * (buttons != 0); 0 when the picture would exceed
     * PV_MAX_PICTURE_BYTES or the screen. `bitmap` receives the picture. */
    PvWindow (*openWindow)(void* plugin, int32_t transfer, int32_t width, int32_t height, PvBitmap* bitmap,
                           int32_t progress, int32_t buttons);
    /* 5: shows the picture again after drawing into it. */
    void (*redraw)(void* plugin, int32_t transfer);
    /* 6-9: settings in the section "Plug-in " + the plug-in's name; a
     * string is cut to bufferSize - 1 characters and terminated. */
    int32_t (*getSettingInt)(void* plugin, const char* key, int32_t defaultValue);
    void (*setSettingInt)(void* plugin, const char* key, int32_t value);
    void (*getSettingString)(void* plugin, const char* key, char* buffer, int32_t bufferSize);
    void (*setSettingString)(void* plugin, const char* key, const char* value);
    /* 10: reserved; returns 0. */
    int32_t (*hostQuery)(void);

    const PvBitmap* icon; /* the icon info->iconPixels points into */
} PvDccHost;

/* The entry points' types, for hosts and for checking a plug-in's own. */
typedef int (*PvScInitFunction)(PvScInfo* info, const PvScHost* host);
typedef PvValue* (*PvScCommandFunction)(const char* name, const PvValue* argument);
typedef int (*PvDccInitFunction)(PvDccInfo* info, const PvDccHost* host);
typedef void (*PvStartupFunction)(void);
typedef void (*PvDccSetupFunction)(void);
typedef void (*PvDccStartFunction)(int32_t transfer, const char* path, int64_t expectedSize);
typedef void (*PvDccDataFunction)(int32_t transfer, int32_t length, const uint8_t* bytes);
typedef void (*PvDccFinishFunction)(int32_t transfer, int32_t code);
typedef void (*PvDccEventFunction)(int32_t transfer, int32_t event, int32_t x, int32_t y);

#ifdef __cplusplus
}
#endif

#endif /* PARLEVOX_PLUGIN_H */
