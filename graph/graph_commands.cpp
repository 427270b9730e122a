#include "graph/graph_commands.h"

#include <algorithm>
#include <array>

namespace tallyx {
namespace {

constexpr std::size_t kFewestPointsToFit = 3;

struct ModeCommand {
    int command;
    InteractionMode mode;
    const wchar_t* caption;
};

constexpr std::array kInteractionCommands = {
    ModeCommand{GraphCommandZoom, InteractionMode::Zoom, L"Select and Zoom"},
    ModeCommand{GraphCommandTranslate, InteractionMode::Translate, L"Translate Graph"},
    ModeCommand{GraphCommandPointOnGraph, InteractionMode::PointOnGraph, L"Point on Graph"},
};

struct ZoomCommand {
    int command;
    ZoomMode mode;
    const wchar_t* caption;
};

constexpr std::array kZoomCommands = {
    ZoomCommand{GraphCommandZoomNormal, ZoomMode::Normal, L"Normal (XY)"},
    ZoomCommand{GraphCommandZoomXOnly, ZoomMode::XOnly, L"X Only"},
    ZoomCommand{GraphCommandZoomYOnly, ZoomMode::YOnly, L"Y Only"},
};

struct CharacterCommand {
    wchar_t character;
    int command;
};

constexpr std::array kCharacterCommands = {
    CharacterCommand{L'+', GraphCommandZoomIn}, CharacterCommand{L'-', GraphCommandZoomOut},
    CharacterCommand{L'C', GraphCommandCentre}, CharacterCommand{L'c', GraphCommandCentre},
    CharacterCommand{L'F', GraphCommandFitToData}, CharacterCommand{L'f', GraphCommandFitToData},
};

// Arrow keys and the digits around 5 scroll as a tap at an edge would:
// the point is given in halves of the area (0 the near edge, 2 the far one).
struct ScrollKey {
    int key;
    int halvesX;
    int halvesY;
};

constexpr std::array kScrollKeys = {
    ScrollKey{GraphKeyLeft, 0, 1}, ScrollKey{'4', 0, 1},  ScrollKey{GraphKeyRight, 2, 1}, ScrollKey{'6', 2, 1},
    ScrollKey{GraphKeyUp, 1, 0},   ScrollKey{'8', 1, 0},  ScrollKey{GraphKeyDown, 1, 2},  ScrollKey{'2', 1, 2},
};

struct KeyCommand {
    int key;
    int command;
};

constexpr std::array kKeyCommands = {
    KeyCommand{'5', GraphCommandCentre},          KeyCommand{'0', GraphCommandFitToData},
    KeyCommand{GraphKeyEscape, GraphCommandExit}, KeyCommand{GraphKeyAdd, GraphCommandZoomIn},
    KeyCommand{GraphKeyF9, GraphCommandZoomIn},   KeyCommand{GraphKeySubtract, GraphCommandZoomOut},
    KeyCommand{GraphKeyF8, GraphCommandZoomOut},
};

// The edge pixel a scroll key stands for: one pixel inside the area.
int EdgePixel(int halves, int size)
{
    return halves == 0 ? 1 : halves == 2 ? size - 1 : size / 2;
}

}  // namespace

GraphReply RunGraphCommand(GraphPlot& plot, int command)
{
    if (command >= GraphCommandFirstFunction && command < GraphCommandFirstFunction + GraphPlot::kSlots) {
        return plot.SelectFunction(command - GraphCommandFirstFunction) ? GraphReply::Redraw : GraphReply::Ignored;
    }
    for (const ModeCommand& entry : kInteractionCommands) {
        if (entry.command == command) {
            plot.SetInteraction(entry.mode);
            return GraphReply::Redraw;
        }
    }
    for (const ZoomCommand& entry : kZoomCommands) {
        if (entry.command == command) {
            plot.SetZooming(entry.mode);
            return GraphReply::Redraw;
        }
    }
    switch (command) {
    case GraphCommandGraphMenu:
        return GraphReply::OpenGraphMenu;
    case GraphCommandModeMenu:
        return GraphReply::OpenModeMenu;
    case GraphCommandZoomIn:
        return plot.ZoomIn() ? GraphReply::Redraw : GraphReply::Ignored;
    case GraphCommandZoomOut:
        return plot.ZoomOut() ? GraphReply::Redraw : GraphReply::Ignored;
    case GraphCommandReset:
        plot.ResetView();
        return GraphReply::Redraw;
    case GraphCommandCentre:
        return plot.CentreOnGraph() ? GraphReply::Redraw : GraphReply::Ignored;
    case GraphCommandFitToData:
        return plot.FitToData() ? GraphReply::Redraw : GraphReply::Ignored;
    case GraphCommandSaveImage:
        return GraphReply::SaveImage;
    case GraphCommandOk:
    case GraphCommandExit:
        return GraphReply::Close;
    default:
        return GraphReply::Ignored;
    }
}

GraphReply TypeGraphCharacter(GraphPlot& plot, wchar_t character)
{
    const auto entry = std::find_if(kCharacterCommands.begin(), kCharacterCommands.end(),
                                    [&](const CharacterCommand& candidate) { return candidate.character == character; });
    return entry == kCharacterCommands.end() ? GraphReply::Ignored : RunGraphCommand(plot, entry->command);
}

GraphReply ReleaseGraphKey(GraphPlot& plot, int key)
{
    for (const ScrollKey& entry : kScrollKeys) {
        if (entry.key == key) {
            const PlotView& view = plot.View();
            plot.PenUp({EdgePixel(entry.halvesX, view.Width()), EdgePixel(entry.halvesY, view.Height())});
            return GraphReply::Redraw;
        }
    }
    const auto entry = std::find_if(kKeyCommands.begin(), kKeyCommands.end(),
                                    [&](const KeyCommand& candidate) { return candidate.key == key; });
    if (entry != kKeyCommands.end()) {
        const GraphReply reply = RunGraphCommand(plot, entry->command);
        return reply == GraphReply::Ignored ? GraphReply::Redraw : reply;
    }
    // Any other key redraws with fresh samples.
    plot.ComputeSamples();
    return GraphReply::Redraw;
}

std::vector<GraphMenuItem> GraphMenu(const GraphPlot& plot)
{
    std::vector<GraphMenuItem> menu = {
        {L"Zoom In", GraphCommandZoomIn, false, {}},
        {L"Zoom Out", GraphCommandZoomOut, false, {}},
        {L"Reset", GraphCommandReset, false, {}},
        {L"Center on Graph", GraphCommandCentre, false, {}},
    };
    if (plot.DataPoints().size() >= kFewestPointsToFit) {
        menu.push_back({L"Fit to data", GraphCommandFitToData, false, {}});
    }
    if (plot.UsedSlotCount() > 1) {
        GraphMenuItem select{L"Select Graph", 0, false, {}};
        for (int slot = 0; slot < GraphPlot::kSlots; ++slot) {
            if (plot.IsSlotUsed(slot)) {
                select.items.push_back({plot.Function(slot), GraphCommandFirstFunction + slot,
                                        slot == plot.CurrentFunction(), {}});
            }
        }
        menu.push_back(std::move(select));
    }
    menu.push_back({});
    menu.push_back({L"Save Bitmap", GraphCommandSaveImage, false, {}});
    menu.push_back({});
    menu.push_back({L"Exit", GraphCommandExit, false, {}});
    return menu;
}

std::vector<GraphMenuItem> ModeMenu(const GraphPlot& plot)
{
    std::vector<GraphMenuItem> menu;
    for (const ModeCommand& entry : kInteractionCommands) {
        menu.push_back({entry.caption, entry.command, entry.mode == plot.Interaction(), {}});
    }
    menu.push_back({});
    GraphMenuItem zoom{L"Zoom Mode", 0, false, {}};
    for (const ZoomCommand& entry : kZoomCommands) {
        zoom.items.push_back({entry.caption, entry.command, entry.mode == plot.Zooming(), {}});
    }
    menu.push_back(std::move(zoom));
    return menu;
}

}  // namespace tallyx
