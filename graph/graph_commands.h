#pragma once

#include <string>
#include <vector>

#include "graph/graph_plot.h"

namespace tallyx {

// Menu and soft-key commands of the plotter window.
enum GraphCommand : int {
    GraphCommandOk = 1,
    GraphCommandFirstFunction = 20188,  // + slot: make the slot current
    GraphCommandGraphMenu = 20200,
    GraphCommandTranslate = 20204,
    GraphCommandZoomOut = 20205,
    GraphCommandZoomIn = 20206,
    GraphCommandReset = 20207,
    GraphCommandModeMenu = 20208,
    GraphCommandPointOnGraph = 20209,
    GraphCommandCentre = 20210,
    GraphCommandExit = 20211,
    GraphCommandZoom = 20212,
    GraphCommandZoomNormal = 20213,
    GraphCommandZoomXOnly = 20214,
    GraphCommandZoomYOnly = 20215,
    GraphCommandFitToData = 20216,
    GraphCommandSaveImage = 20217,
};

// Virtual key codes the plotter answers when released.
enum GraphVirtualKey : int {
    GraphKeyEscape = 27,
    GraphKeyLeft = 37,
    GraphKeyUp = 38,
    GraphKeyRight = 39,
    GraphKeyDown = 40,
    GraphKeyAdd = 0x6B,
    GraphKeySubtract = 0x6D,
    GraphKeyF8 = 0x77,
    GraphKeyF9 = 0x78,
};

// What the window does next.
enum class GraphReply {
    Ignored,
    Redraw,          // the view or a mode changed: draw afresh (a centring may have left a glide)
    OpenGraphMenu,
    OpenModeMenu,
    SaveImage,
    Close,
};

GraphReply RunGraphCommand(GraphPlot& plot, int command);
GraphReply TypeGraphCharacter(GraphPlot& plot, wchar_t character);
GraphReply ReleaseGraphKey(GraphPlot& plot, int key);

// One entry of a pop-up menu: a command, a separator (command 0, no caption)
// or a sub-menu (its items below).
struct GraphMenuItem {
    std::wstring caption;
    int command = 0;
    bool checked = false;
    std::vector<GraphMenuItem> items;
};

std::vector<GraphMenuItem> GraphMenu(const GraphPlot& plot);
std::vector<GraphMenuItem> ModeMenu(const GraphPlot& plot);

}  // namespace tallyx
