/* Toolbox: a sample script-command plug-in for Parlevox.
 *
 *   Calc<"2 * (3 + 4)">        the value of an integer expression: 14
 *   Uptime<>                   "up 2 days, 03:04:05, load 0.15 0.10 0.05"
 *   Sum<aiNumbers>             the sum of an integer array
 *   Join<asWords, ", ">        the words joined by the separator
 *   TextDemo<"hello">          a text window with a few lines in it
 *   Palette<>                  a window showing a colour gradient
 *   Sketch<>                   a window to draw in with the mouse (right
 *                              button: clear)
 *
 * Every one is also a "/" command (/calc 6*7). Written against
 * <parlevox/plugin.h> alone; build it as a shared object named
 * Toolbox.ParlevoxPlugIn and install it from the preferences' Plug-ins page.
 */
#include <parlevox/plugin.h>

#include <stdio.h>
#include <string.h>

static const PvScHost* host;

/* ---- Calc: + - * / % and parentheses over 64-bit integers that wrap ---- */

struct Expression {
    const char* at;
    int depth;
    int failed;
};

static long long Sum(struct Expression* e);

static void SkipBlanks(struct Expression* e) {
    while (*e->at == ' ' || *e->at == '\t') ++e->at;
}

static long long Wrap(unsigned long long value) {
    long long result;
    memcpy(&result, &value, sizeof result);
    return result;
}

static long long Primary(struct Expression* e) {
    SkipBlanks(e);
    if (*e->at == '-' || *e->at == '+') {
        const int negative = *e->at++ == '-';
        const long long value = Primary(e);
        return negative ? Wrap(0ULL - (unsigned long long)value) : value;
    }
    if (*e->at == '(') {
        long long value;
        if (++e->depth > 64) { /* deep enough for people, not for a stack */
            e->failed = 1;
            return 0;
        }
        ++e->at;
        value = Sum(e);
        SkipBlanks(e);
        if (*e->at != ')') e->failed = 1;
        else ++e->at;
        --e->depth;
        return value;
    }
    if (*e->at < '0' || *e->at > '9') {
        e->failed = 1;
        return 0;
    }
    {
        unsigned long long value = 0;
        while (*e->at >= '0' && *e->at <= '9') value = value * 10 + (unsigned long long)(*e->at++ - '0');
        return Wrap(value);
    }
}

static long long Product(struct Expression* e) {
    long long value = Primary(e);
    for (;;) {
        char op;
        long long right;
        SkipBlanks(e);
        op = *e->at;
        if (op != '*' && op != '/' && op != '%') return value;
        ++e->at;
        right = Primary(e);
        if (op == '*') {
            value = Wrap((unsigned long long)value * (unsigned long long)right);
        } else if (right == 0) {
            e->failed = 1;
            return 0;
        } else if (right == -1) {
            value = op == '/' ? Wrap(0ULL - (unsigned long long)value) : 0;
        } else {
            value = op == '/' ? value / right : value % right;
        }
    }
}

static long long Sum(struct Expression* e) {
    long long value = Product(e);
    for (;;) {
        char op;
        long long right;
        SkipBlanks(e);
        op = *e->at;
        if (op != '+' && op != '-') return value;
        ++e->at;
        right = Product(e);
        value = op == '+' ? Wrap((unsigned long long)value + (unsigned long long)right)
                          : Wrap((unsigned long long)value - (unsigned long long)right);
    }
}

/* 0 for anything that is not an expression. */
static int Calculate(const char* text) {
    struct Expression e = {text, 0, 0};
    const long long value = Sum(&e);
    SkipBlanks(&e);
    if (e.failed || *e.at != '\0') return 0;
    return (int)(int32_t)(uint32_t)(unsigned long long)value;
}

/* ---- Uptime ---- */

static void DescribeUptime(char* out, size_t size) {
    double seconds = 0, load1 = 0, load5 = 0, load15 = 0;
    long total, days;
    FILE* file = fopen("/proc/uptime", "r");
    if (!file || fscanf(file, "%lf", &seconds) != 1) seconds = 0;
    if (file) fclose(file);
    file = fopen("/proc/loadavg", "r");
    if (!file || fscanf(file, "%lf %lf %lf", &load1, &load5, &load15) != 3) load1 = load5 = load15 = 0;
    if (file) fclose(file);
    total = (long)seconds;
    days = total / 86400;
    snprintf(out, size, "up %ld day%s, %02ld:%02ld:%02ld, load %.2f %.2f %.2f", days, days == 1 ? "" : "s",
             total / 3600 % 24, total / 60 % 60, total % 60, load1, load5, load15);
}

/* ---- Windows ---- */

static void Fill(const PvBitmap* bitmap, int x, int y, int size, uint8_t grey) {
    int row, column;
    for (row = y; row < y + size && row < bitmap->height; ++row)
        for (column = x; column < x + size && column < bitmap->width; ++column)
            if (row >= 0 && column >= 0) memset(bitmap->pixels + row * bitmap->bytesPerRow + column * 4, grey, 3);
}

static void ShowPalette(void) {
    PvBitmap bitmap;
    int x, y;
    const PvWindow window = host->createGraphicsWindow(host->context, "Toolbox palette", 256, 128, &bitmap);
    if (!window) return;
    for (y = 0; y < bitmap.height; ++y)
        for (x = 0; x < bitmap.width; ++x) {
            uint8_t* pixel = bitmap.pixels + y * bitmap.bytesPerRow + x * 4;
            pixel[0] = (uint8_t)(255 - x);    /* blue */
            pixel[1] = (uint8_t)(y * 2);      /* green */
            pixel[2] = (uint8_t)x;            /* red */
        }
    host->redrawWindow(host->context, window);
}

static PvBitmap sketch;
static PvWindow sketchWindow;
static int drawing;

static void SketchMouse(void* user, int32_t event, int32_t x, int32_t y) {
    (void)user;
    if (event == PV_MOUSE_LEFT_DOWN) drawing = 1;
    if (event == PV_MOUSE_LEFT_UP) drawing = 0;
    if (event == PV_MOUSE_RIGHT_DOWN) Fill(&sketch, 0, 0, sketch.width > sketch.height ? sketch.width : sketch.height, 255);
    if (drawing) Fill(&sketch, x - 1, y - 1, 3, 0);
    host->redrawWindow(host->context, sketchWindow);
}

static void ShowSketch(void) {
    if (sketchWindow) host->closeWindow(host->context, sketchWindow);
    sketchWindow = host->createRealWindow(host->context, "Toolbox sketch", 240, 160, &sketch, SketchMouse, NULL);
    drawing = 0;
}

/* Strings come back in one buffer per callback: the text is copied before
 * the nickname is read through the same callback. */
static void TextDemo(const PvValue* argument) {
    char text[256];
    const char* given = host->getStringComponent(host->context, argument, 0);
    const PvValue* nick;
    const char* name;
    const int runs = host->getSettingInt(host->context, "Demo runs", 0) + 1;
    char line[400];
    snprintf(text, sizeof text, "%s", given ? given : "");
    nick = host->getSystemVariable(host->context, "sSysNick");
    name = nick ? host->getStringComponent(host->context, nick, 0) : NULL;
    host->setSettingInt(host->context, "Demo runs", runs);
    if (!host->openTextWindow(host->context, "Toolbox", "Toolbox_demo", "-", "keep")) return;
    snprintf(line, sizeof line, "You said: %s", text);
    host->writeToWindow(host->context, "Toolbox", line);
    snprintf(line, sizeof line, "Your nickname: %s", name && *name ? name : "(not connected)");
    host->writeToWindow(host->context, "Toolbox", line);
    snprintf(line, sizeof line, "Demo run number %d; last greeting: %s", runs,
             host->getSettingString(host->context, "Greeting", "none"));
    host->writeToWindow(host->context, "Toolbox", line);
    host->setSettingString(host->context, "Greeting", text);
}

/* ---- The icon: a red toolbox with a grey handle and a brass latch ---- */

static void Paint(uint8_t* icon, int left, int top, int right, int bottom, uint8_t b, uint8_t g, uint8_t r) {
    int x, y;
    for (y = top; y < bottom; ++y)
        for (x = left; x < right; ++x) {
            uint8_t* pixel = icon + y * PV_ICON_SIZE * 3 + x * 3;
            pixel[0] = b;
            pixel[1] = g;
            pixel[2] = r;
        }
}

static void DrawIcon(uint8_t* icon) {
    Paint(icon, 16, 8, 32, 11, 80, 80, 80);    /* handle bar */
    Paint(icon, 16, 11, 19, 18, 80, 80, 80);   /* handle posts */
    Paint(icon, 29, 11, 32, 18, 80, 80, 80);
    Paint(icon, 4, 17, 44, 42, 20, 20, 110);   /* outline */
    Paint(icon, 6, 19, 42, 40, 40, 40, 200);   /* body */
    Paint(icon, 6, 25, 42, 27, 20, 20, 130);   /* lid seam */
    Paint(icon, 21, 23, 27, 30, 40, 180, 220); /* latch */
    Paint(icon, 8, 20, 40, 21, 120, 120, 255); /* shine */
}

/* ---- Entry points ---- */

PV_PLUGIN_ENTRY int Init(PvScInfo* info, const PvScHost* given) {
    static const char* const commands[][2] = {{"Calc", "s"},     {"Uptime", ""},  {"Sum", "I"},   {"Join", "Ss"},
                                              {"TextDemo", "s"}, {"Palette", ""}, {"Sketch", ""}};
    size_t i;
    if (given->version < PV_PLUGIN_INTERFACE_VERSION) return 0;
    host = given;
    strcpy(info->name, "Toolbox");
    strcpy(info->text2, "Parlevox samples");
    strcpy(info->text3, "Free to copy and change");
    for (i = 0; i < sizeof commands / sizeof commands[0]; ++i) {
        strcpy(info->commands[i], commands[i][0]);
        strcpy(info->types[i], commands[i][1]);
    }
    info->commandCount = (int32_t)i;
    DrawIcon(info->iconPixels);
    return 1;
}

static PvValue* Integer(int value) {
    PvValue* result = host->createValue(host->context, "i");
    host->setIntComponent(host->context, result, 0, value);
    return result;
}

static PvValue* String(const char* text) {
    PvValue* result = host->createValue(host->context, "s");
    host->setStringComponent(host->context, result, 0, text);
    return result;
}

PV_PLUGIN_ENTRY PvValue* Command(const char* name, const PvValue* argument) {
    void* context = host->context;
    if (strcmp(name, "Calc") == 0) {
        const char* text = host->getStringComponent(context, argument, 0);
        return Integer(text ? Calculate(text) : 0);
    }
    if (strcmp(name, "Uptime") == 0) {
        char text[128];
        DescribeUptime(text, sizeof text);
        return String(text);
    }
    if (strcmp(name, "Sum") == 0) {
        const int32_t count = host->getArrayLength(context, argument, 0);
        uint32_t total = 0;
        int32_t i;
        for (i = 0; i < count; ++i) total += (uint32_t)host->getIntElement(context, argument, 0, i);
        return Integer((int)(int32_t)total);
    }
    if (strcmp(name, "Join") == 0) {
        /* Elements come back in one buffer of the host's: copy each before the next. */
        static char joined[4096];
        char separator[256];
        const char* given = host->getStringComponent(context, argument, 1);
        const int32_t count = host->getArrayLength(context, argument, 0);
        size_t used = 0;
        int32_t i;
        snprintf(separator, sizeof separator, "%s", given ? given : "");
        joined[0] = '\0';
        for (i = 0; i < count; ++i) {
            const char* word = host->getStringElement(context, argument, 0, i);
            int wrote = snprintf(joined + used, sizeof joined - used, "%s%s", i ? separator : "", word ? word : "");
            if (wrote < 0 || (size_t)wrote >= sizeof joined - used) break;
            used += (size_t)wrote;
        }
        return String(joined);
    }
    if (strcmp(name, "TextDemo") == 0) TextDemo(argument);
    else if (strcmp(name, "Palette") == 0) ShowPalette();
    else if (strcmp(name, "Sketch") == 0) ShowSketch();
    return NULL;
}

/* Nothing to prepare once the main window is there. */
PV_PLUGIN_ENTRY void Startup(void) {
}
