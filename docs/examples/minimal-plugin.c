/* A minimal script-command plug-in: one command, Hello, that takes a name
 * and returns a greeting.
 *
 *   Hello<"Ada">           in a script gives "Hello, Ada!"
 *   /hello Ada             typed in a window
 *
 * Build it against an installed Parlevox:
 *
 *   gcc -shared -fPIC -Wall $(pkg-config --cflags parlevox-plugin) \
 *       minimal-plugin.c -o Hello.ParlevoxPlugIn
 */
#define _POSIX_C_SOURCE 200809L /* strcasecmp */
#include <stdio.h>
#include <strings.h>

#include <parlevox/plugin.h>

/* The host's table stays valid while the plug-in is loaded. */
static const PvScHost* host;

/* Copies a text into a fixed field of the information block, cut to fit
 * and always terminated. */
static void SetField(char* field, size_t size, const char* text) {
    snprintf(field, size, "%s", text);
}

/* A blue square with a white border: 48 x 48 pixels, 3 bytes each in the
 * order blue, green, red, rows top first. */
static void DrawIcon(uint8_t* pixels) {
    int x, y;
    for (y = 0; y < PV_ICON_SIZE; ++y) {
        for (x = 0; x < PV_ICON_SIZE; ++x) {
            uint8_t* pixel = pixels + (size_t)y * PV_ICON_SIZE * 3 + (size_t)x * 3;
            int border = x < 4 || y < 4 || x >= PV_ICON_SIZE - 4 || y >= PV_ICON_SIZE - 4;
            pixel[0] = 255;                        /* blue */
            pixel[1] = border ? 255 : 96;          /* green */
            pixel[2] = border ? 255 : 32;          /* red */
        }
    }
}

PV_PLUGIN_ENTRY int Init(PvScInfo* info, const PvScHost* theHost) {
    /* A host older than this header lacks callbacks the plug-in may use. */
    if (!theHost || theHost->version < PV_PLUGIN_INTERFACE_VERSION) return 0;
    host = theHost;

    SetField(info->name, sizeof info->name, "Hello");
    SetField(info->text2, sizeof info->text2, "A. Author");
    SetField(info->text3, sizeof info->text3, "Public domain example");
    SetField(info->commands[0], sizeof info->commands[0], "Hello");
    SetField(info->types[0], sizeof info->types[0], "s"); /* one string */
    info->commandCount = 1;
    if (info->iconPixels) DrawIcon(info->iconPixels);
    return 1;
}

PV_PLUGIN_ENTRY void Startup(void) {
    /* The main window exists now; nothing to do here. */
}

PV_PLUGIN_ENTRY PvValue* Command(const char* name, const PvValue* argument) {
    const char* who;
    char greeting[256];
    PvValue* result;

    /* Commands are found without regard to case; compare the same way. */
    if (strcasecmp(name, "Hello") != 0) return NULL;
    /* The argument has the declared type "s": component 0 is the string. */
    who = host->getStringComponent(host->context, argument, 0);
    snprintf(greeting, sizeof greeting, "Hello, %s!", who && *who ? who : "world");

    result = host->createValue(host->context, "s");
    if (result) host->setStringComponent(host->context, result, 0, greeting);
    return result; /* the host copies it into the caller's result */
}
