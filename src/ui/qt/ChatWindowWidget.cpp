#include "ui/qt/ChatWindowWidget.h"
