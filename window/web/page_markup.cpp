// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/page_markup.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "catalogue/catalogue.h"
#include "window/appearance.h"
#include "window/assignment_text.h"
#include "window/layout.h"
#include "window/texts.h"

namespace window::web {
namespace {

using layout::Pixels;
using layout::Place;

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Css(const appearance::Rgb& colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

// Where a piece sits in the touch layout's grid: its rows in one column, and its rows and
// column where the two groups stand side by side.
struct Cell {
    int row;
    int row_beside;
    std::string_view column_beside;
    int span = 1;
};

// One column: the title, the figures' heading, the figures, the periodicals' heading, the
// periodicals. Two: the title across both, then each group under its heading. The output area
// has a row of the page's own.
constexpr int FirstFigureRow = 3;
constexpr int PublicationsHeadingRow = FirstFigureRow + catalogue::FigureCount;
constexpr Cell TitleCell{1, 1, "1/-1"};
constexpr Cell FiguresHeadingCell{2, 2, "1"};
constexpr Cell FiguresCell{FirstFigureRow, FirstFigureRow, "1", catalogue::FigureCount};
constexpr Cell PublicationsHeadingCell{PublicationsHeadingRow, 2, "2"};
constexpr Cell PublicationsCell{PublicationsHeadingRow + 1, FirstFigureRow, "2",
                                catalogue::PublicationCount};

Cell Row(const Cell& group, int row) {
    return {group.row + row, group.row_beside + row, group.column_beside};
}

// The window's font size in CSS pixels at 100 %: its points at 96 dpi.
constexpr int FontPixels = appearance::FontPoints * 96 / 72;
// An option button's or check box's mark in the desktop layout, in CSS pixels at 100 %: its
// gap from the control's left edge, its size, and its gap to the caption.
constexpr int MarkLeft = 3;
constexpr int MarkSize = 13;
constexpr int MarkGap = 4;
// The template that holds the program until the window is on the screen.
constexpr std::string_view ProgramId = "program";

// The style without its comments and with no more spaces than it needs.
std::string CompactCss(std::string_view css) {
    std::string compact;
    bool space = false;
    for (std::size_t at = 0; at < css.size(); ++at) {
        if (css.compare(at, 2, "/*") == 0) {
            at = css.find("*/", at + 2);
            if (at == std::string_view::npos) break;
            ++at;
            space = true;
            continue;
        }
        const char c = css[at];
        if (c == ' ' || c == '\n' || c == '\t') {
            space = true;
            continue;
        }
        constexpr std::string_view Tight = "{};:,>";
        const bool tight =
            Tight.find(c) != std::string_view::npos ||
            (!compact.empty() && Tight.find(compact.back()) != std::string_view::npos);
        if (space && !compact.empty() && !tight) compact += ' ';
        space = false;
        compact += c;
    }
    return compact;
}

// The script without its comment lines and indentation; its lines stay as they were written.
std::string CompactJs(std::string_view js) {
    std::string compact;
    for (std::size_t at = 0; at < js.size();) {
        std::size_t end = js.find('\n', at);
        if (end == std::string_view::npos) end = js.size();
        std::string_view line = js.substr(at, end - at);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        if (!line.empty() && line.substr(0, 2) != "//") {
            compact += line;
            compact += '\n';
        }
        at = end + 1;
    }
    return compact;
}

// The window's face, with the generic family for whichever face stands in for it.
std::string FontFamily() {
    return "\"" + std::string(appearance::FontFace) + "\",serif";
}

// The window as markup, and each piece's place as a rule of the style, written together.
class WindowWriter {
public:
    // The attributes that name a piece and give it its place: `left` and `top` are the
    // container's own place, in twips.
    std::string Placed(const std::string& id, const Place& place,
                       std::optional<Cell> cell = std::nullopt, int left = 0, int top = 0) {
        places_ += "#" + id + "{--l:" + std::to_string(Pixels(left + place.left)) +
                   ";--t:" + std::to_string(Pixels(top + place.top)) +
                   ";--w:" + std::to_string(Pixels(place.width)) +
                   ";--h:" + std::to_string(Pixels(place.height));
        if (cell) {
            places_ += ";--row:" + std::to_string(cell->row) +
                       ";--row2:" + std::to_string(cell->row_beside) +
                       ";--col2:" + std::string(cell->column_beside) +
                       ";--span:" + std::to_string(cell->span);
        }
        places_ += "}";
        return " id=\"" + id + "\"";
    }

    // An option button or check box: the input and its caption, the label taking every click
    // on the control's rectangle, and telling the page's script how wide it is.
    std::string Control(std::string_view type, std::string_view name, std::size_t index,
                        const std::string& id, std::string_view caption, const Place& place,
                        const Cell& cell, int left, int top, bool tab_stop) {
        return "<label" + Placed(LabelId(id), place, cell, left, top) + " class=\"" +
               std::string(name) + "\" data-width=\"" + std::to_string(Pixels(place.width)) +
               "\"><input type=\"" + std::string(type) + "\" name=\"" + std::string(name) +
               "\" value=\"" + std::to_string(index) + "\" id=\"" + id + "\"" +
               (tab_stop ? "" : " tabindex=\"-1\"") + "><span>" + Escaped(caption) +
               "</span></label>";
    }

    std::string Heading(std::size_t element, std::string_view tag, const std::string& id,
                        const Cell& cell) {
        return "<" + std::string(tag) + Placed(id, layout::Heading[element], cell) + ">" +
               Escaped(texts::Heading[element]) + "</" + std::string(tag) + ">";
    }

    std::string Group(std::string_view role, const std::string& id, std::string_view name,
                      const std::vector<std::string>& rows, const Place& place, const Cell& cell) {
        std::string owned;
        for (const std::string& row : rows) owned += (owned.empty() ? "" : " ") + LabelId(row);
        return "<div class=\"group\" role=\"" + std::string(role) + "\" aria-label=\"" +
               Escaped(name) + "\" aria-owns=\"" + owned + "\"" + Placed(id, place, cell) +
               "></div>";
    }

    const std::string& Places() const { return places_; }

private:
    static std::string LabelId(const std::string& input_id) { return input_id + "-label"; }

    std::string places_;
};

// Each periodical's row from the top of its group.
std::vector<std::size_t> PublicationsTopDown() {
    std::vector<std::size_t> order(layout::CheckTop.size());
    for (std::size_t publication = 0; publication < order.size(); ++publication) {
        order[publication] = publication;
    }
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return layout::CheckTop[a] < layout::CheckTop[b];
    });
    return order;
}

template <typename Order, typename Element>
int RowOf(const Order& top_down, Element element) {
    return static_cast<int>(std::find(top_down.begin(), top_down.end(), element) -
                            top_down.begin());
}

// The window's markup, with the places it wrote.
std::string WriteWindow(WindowWriter& writer) {
    // The controls that take the focus, and the frame, by tab index: the document's order.
    std::map<int, std::string> by_tab_index;
    by_tab_index[layout::OutputTabIndex] =
        "<textarea" + writer.Placed(std::string(OutputId), layout::Output) + " aria-label=\"" +
        Escaped(texts::OutputName) + "\" readonly autofocus spellcheck=\"false\">" +
        Escaped(AssignmentText) + "</textarea>";
    by_tab_index[layout::FrameTabIndex] = "<div class=\"frame\"" +
                                          writer.Placed("frame", layout::FigureFrame, FiguresCell) +
                                          " aria-hidden=\"true\"></div>";
    const auto first_figure = static_cast<std::size_t>(layout::FirstFigureInTabOrder());
    constexpr auto figure_rows = layout::FiguresTopDown();
    std::vector<std::string> figures_top_down;
    for (const int figure : figure_rows) {
        figures_top_down.push_back(FigureId(static_cast<std::size_t>(figure)));
    }
    for (std::size_t figure = 0; figure < layout::OptionTop.size(); ++figure) {
        by_tab_index[layout::OptionTabIndex[figure]] = writer.Control(
            "radio", FigureName, figure, FigureId(figure),
            catalogue::FigureCaption(static_cast<int>(figure)), layout::OptionPlace(figure),
            Row(FiguresCell, RowOf(figure_rows, static_cast<int>(figure))),
            layout::FigureFrame.left, layout::FigureFrame.top, figure == first_figure);
    }
    const std::vector<std::size_t> publication_rows = PublicationsTopDown();
    std::vector<std::string> publications_top_down;
    for (const std::size_t publication : publication_rows) {
        publications_top_down.push_back(PublicationId(publication));
    }
    for (std::size_t publication = 0; publication < layout::CheckTop.size(); ++publication) {
        by_tab_index[layout::CheckTabIndex[publication]] =
            writer.Control("checkbox", PublicationName, publication, PublicationId(publication),
                           catalogue::PublicationCaption(static_cast<int>(publication)),
                           layout::CheckPlace(publication),
                           Row(PublicationsCell, RowOf(publication_rows, publication)), 0, 0, true);
    }
    const int top = layout::CheckTop[publication_rows.front()];
    const int bottom = layout::CheckTop[publication_rows.back()] + layout::CheckHeight;

    std::string markup = "<main id=\"" + std::string(WindowId) + "\">";
    markup += writer.Heading(layout::TitleHeading, "h1", "title", TitleCell);
    for (const auto& [tab_index, element] : by_tab_index) markup += element;
    markup += writer.Heading(layout::FiguresHeading, "h2", "figures-heading", FiguresHeadingCell);
    markup += writer.Group("radiogroup", "figures", texts::FiguresGroupName, figures_top_down,
                           layout::FigureFrame, FiguresCell);
    markup += writer.Heading(layout::PublicationsHeading, "h2", "periodicals-heading",
                             PublicationsHeadingCell);
    markup +=
        writer.Group("group", "periodicals", texts::PublicationsGroupName, publications_top_down,
                     {layout::CheckLeft, top, layout::CheckWidth, bottom - top}, PublicationsCell);
    markup += "<div id=\"" + std::string(AnnouncerId) + "\" aria-live=\"polite\"></div>";
    markup += "<div" + writer.Placed(std::string(AlertId), layout::Output) +
              " role=\"alert\" hidden></div>";
    return markup + "</main>";
}

// The window's size, colours, font and marks, for the whole page.
std::string WindowProperties() {
    const auto number = [](std::string_view name, int value) {
        return "--" + std::string(name) + ":" + std::to_string(value) + ";";
    };
    const auto colour = [](std::string_view name, const appearance::Rgb& value) {
        return "--" + std::string(name) + "-colour:" + Css(value) + ";";
    };
    return ":root{" + number("window-width", Pixels(layout::ClientWidth)) +
           number("window-height", Pixels(layout::ClientHeight)) +
           colour("window", appearance::WindowColour) + colour("text", appearance::TextColour) +
           colour("heading", appearance::HeadingColour) +
           colour("option", appearance::OptionColour) + colour("check", appearance::CheckColour) +
           number("font-weight", appearance::FontWeight) + number("font-size", FontPixels) +
           "--font-family:" + FontFamily() + ";" + number("mark-left", MarkLeft) +
           number("mark-size", MarkSize) + number("mark-gap", MarkGap) + "}";
}

// The attributes page.js reads on its <script>.
std::string ScriptSettings() {
    const std::string font = std::to_string(appearance::FontWeight) + " " +
                             std::to_string(FontPixels) + "px " + FontFamily();
    return " data-window=\"" + std::string(WindowId) + "\" data-output=\"" + std::string(OutputId) +
           "\" data-too-old=\"" + Escaped(TooOldMessage) + "\" data-program=\"" +
           std::string(ProgramId) + "\" data-touch=\"" + Escaped(TouchLayoutQuery()) +
           "\" data-font=\"" + Escaped(font) + "\" data-mark=\"" +
           std::to_string(MarkLeft + MarkSize + MarkGap) + "\"";
}

// The page around its style, its own script and the program.
std::string Page(std::string_view icon_uri, std::string_view style, std::string_view script,
                 std::string_view program) {
    return "<!DOCTYPE html><html lang=\"bg\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
           "<meta name=\"color-scheme\" content=\"light dark\">"
           "<meta name=\"description\" content=\"" +
           Escaped(Description) + "\"><title>" + Escaped(texts::WindowTitle()) +
           "</title><link rel=\"icon\" href=\"" + Escaped(icon_uri) + "\">" + std::string(style) +
           "</head><body>" + WindowMarkup() + std::string(script) + "<template id=\"" +
           std::string(ProgramId) + "\">" + std::string(program) + "</template></body></html>";
}

}  // namespace

std::string FigureId(std::size_t figure) {
    return std::string(FigureName) + "-" + std::to_string(figure);
}

std::string PublicationId(std::size_t publication) {
    return std::string(PublicationName) + "-" + std::to_string(publication);
}

std::string TouchLayoutQuery() {
    // Without range syntax, which older engines lack: where an engine has no `pointer`
    // feature either, the width alone decides.
    return "(pointer:coarse),not all and (min-width:" +
           std::to_string(Pixels(layout::ClientWidth)) + "px)";
}

std::string WindowMarkup() {
    WindowWriter writer;
    return WriteWindow(writer);
}

std::string PageStyle(const PageSources& sources) {
    WindowWriter writer;
    WriteWindow(writer);
    return WindowProperties() + writer.Places() + CompactCss(sources.window_css) + "@media " +
           TouchLayoutQuery() + "{" + CompactCss(sources.touch_css) + "}";
}

std::string PageScript(const PageSources& sources) {
    return CompactJs(sources.page_js);
}

std::string SingleFilePage(std::string_view icon_uri, const PageSources& sources,
                           std::string_view program) {
    return Page(icon_uri, "<style>" + PageStyle(sources) + "</style>",
                "<script" + ScriptSettings() + ">" + PageScript(sources) + "</script>", program);
}

std::string HostedPage(std::string_view icon_uri) {
    return Page(icon_uri, "<link rel=\"stylesheet\" href=\"" + std::string(StyleFile) + "\">",
                "<script src=\"" + std::string(ScriptFile) + "\"" + ScriptSettings() +
                    " data-manifest=\"" + std::string(ManifestFile) + "\" data-worker=\"" +
                    std::string(ServiceWorkerFile) + "\"></script>",
                "<script src=\"" + std::string(ProgramFile) + "\"></script>");
}

}  // namespace window::web
