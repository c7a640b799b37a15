// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/web/page_markup.h"

#include <algorithm>
#include <map>
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
// periodicals. Two: the title across both, then each group under its heading.
constexpr int FirstFigureRow = 3;
constexpr int PublicationsHeadingRow = FirstFigureRow + catalogue::FigureCount;
constexpr Cell TitleCell{1, 1, "1/-1"};
constexpr Cell FiguresHeadingCell{2, 2, "1"};
constexpr Cell FiguresCell{FirstFigureRow, FirstFigureRow, "1", catalogue::FigureCount};
constexpr Cell PublicationsHeadingCell{PublicationsHeadingRow, 2, "2"};
constexpr Cell PublicationsCell{PublicationsHeadingRow + 1, FirstFigureRow, "2",
                                catalogue::PublicationCount};
// The output area under both groups, across the page.
constexpr Cell OutputCell{PublicationsCell.row + PublicationsCell.span,
                          PublicationsCell.row_beside + PublicationsCell.span, "1/-1"};

Cell Row(const Cell& group, int row) {
    return {group.row + row, group.row_beside + row, group.column_beside};
}

// A place as the custom properties the style turns into a scaled box; `left` and `top` are
// the container's own place, in twips.
std::string Box(const Place& place, int left = 0, int top = 0) {
    return "--l:" + std::to_string(Pixels(left + place.left)) +
           ";--t:" + std::to_string(Pixels(top + place.top)) +
           ";--w:" + std::to_string(Pixels(place.width)) +
           ";--h:" + std::to_string(Pixels(place.height));
}

// A place, and a cell as the custom properties of the touch layout.
std::string Placed(const Place& place, const Cell& cell, int left = 0, int top = 0) {
    return " style=\"" + Box(place, left, top) + ";--row:" + std::to_string(cell.row) +
           ";--row2:" + std::to_string(cell.row_beside) +
           ";--col2:" + std::string(cell.column_beside) + ";--span:" + std::to_string(cell.span) +
           "\"";
}

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

std::string LabelId(const std::string& input_id) {
    return input_id + "-label";
}

// An option button or check box: the input and its caption, the label taking every click on
// the control's rectangle.
std::string Control(std::string_view type, std::string_view name, std::size_t index,
                    const std::string& id, std::string_view caption, const std::string& place,
                    bool tab_stop) {
    return "<label id=\"" + LabelId(id) + "\" class=\"" + std::string(name) + "\"" + place +
           "><input type=\"" + std::string(type) + "\" name=\"" + std::string(name) +
           "\" value=\"" + std::to_string(index) + "\" id=\"" + id + "\"" +
           (tab_stop ? "" : " tabindex=\"-1\"") + "><span>" + Escaped(caption) + "</span></label>";
}

std::string Owns(const std::vector<std::string>& ids) {
    std::string owned;
    for (const std::string& id : ids) owned += (owned.empty() ? "" : " ") + LabelId(id);
    return owned;
}

std::string FigureGroup() {
    std::vector<std::string> rows;
    for (const int figure : layout::FiguresTopDown()) {
        rows.push_back(FigureId(static_cast<std::size_t>(figure)));
    }
    return "<div class=\"group\" role=\"radiogroup\" aria-label=\"" +
           Escaped(texts::FiguresGroupName) + "\" aria-owns=\"" + Owns(rows) + "\"" +
           Placed(layout::FigureFrame, FiguresCell) + "></div>";
}

std::string PublicationGroup() {
    const std::vector<std::size_t> order = PublicationsTopDown();
    std::vector<std::string> rows;
    for (const std::size_t publication : order) rows.push_back(PublicationId(publication));
    const int top = layout::CheckTop[order.front()];
    const int bottom = layout::CheckTop[order.back()] + layout::CheckHeight;
    return "<div class=\"group\" role=\"group\" aria-label=\"" +
           Escaped(texts::PublicationsGroupName) + "\" aria-owns=\"" + Owns(rows) + "\"" +
           Placed({layout::CheckLeft, top, layout::CheckWidth, bottom - top}, PublicationsCell) +
           "></div>";
}

std::string Heading(std::size_t element, std::string_view tag, const Cell& cell) {
    return "<" + std::string(tag) + Placed(layout::Heading[element], cell) + ">" +
           Escaped(texts::Heading[element]) + "</" + std::string(tag) + ">";
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

// The window's font at `size` in CSS's shorthand, with the generic family for whichever face
// stands in for the window's.
std::string WindowFont(const std::string& size) {
    return std::to_string(appearance::FontWeight) + " " + size + " \"" +
           std::string(appearance::FontFace) + "\",serif";
}

std::string Style() {
    const std::string px = "var(--px)";
    const auto scaled = [&px](int pixels) {
        return "calc(" + std::to_string(pixels) + "*" + px + ")";
    };
    const int width = Pixels(layout::ClientWidth);
    const std::string figure = "." + std::string(FigureName);
    const std::string publication = "." + std::string(PublicationName);
    return "html{color-scheme:light dark;background:Canvas}"
           "body{margin:0;container-type:inline-size}"
           // The desktop window: every piece at its place, scaled as one.
           "#window{--px:min(1px,100cqw/" +
           std::to_string(width) +
           ");position:relative;"
           "overflow:hidden;margin:0 auto;width:" +
           scaled(width) + ";height:" + scaled(Pixels(layout::ClientHeight)) +
           ";background:" + Css(appearance::WindowColour) +
           ";color:" + Css(appearance::TextColour) +
           ";color-scheme:light;font:" + WindowFont(scaled(FontPixels) + "/1.15") +
           "}"
           "#window>*{position:absolute;box-sizing:border-box;margin:0;"
           "left:calc(var(--l)*" +
           px + ");top:calc(var(--t)*" + px + ");width:calc(var(--w)*" + px +
           ");height:calc(var(--h)*" + px +
           ")}"
           "h1,h2{font:inherit;text-align:center;background:" +
           Css(appearance::HeadingColour) + "}.frame{border:" + scaled(2) +
           " groove}"
           "label{display:flex;align-items:center;white-space:nowrap;overflow:hidden}"
           "label span{font-size:calc(var(--fit,1)*1em)}" +
           figure + "{background:" + Css(appearance::OptionColour) + "}" + publication +
           "{background:" + Css(appearance::CheckColour) +
           "}"
           "input{flex:none;margin:0 " +
           scaled(MarkGap) + " 0 " + scaled(MarkLeft) + ";width:" + scaled(MarkSize) +
           ";height:" + scaled(MarkSize) +
           "}"
           "label:has(:focus-visible){outline:" +
           scaled(2) + " solid;outline-offset:-" + scaled(2) +
           "}"
           "input:focus-visible{outline:none}"
           "textarea{font:inherit;resize:none;padding:" +
           scaled(2) +
           ";overflow-x:hidden;"
           "overflow-y:scroll;color-scheme:light dark}"
           ".group{pointer-events:none}"
           "#" +
           std::string(AnnouncerId) +
           "{width:1px;height:1px;overflow:hidden;"
           "clip-path:inset(50%)}"
           "#" +
           std::string(AlertId) + "{padding:" + scaled(8) +
           ";white-space:pre-line;"
           "background:Canvas;color:CanvasText;border:" +
           scaled(2) +
           " solid;"
           "color-scheme:light dark}"
           // The touch layout: rows of a finger's height in a grid, captions at the window's
           // font size and wrapped rather than cut, the output area under the groups but held
           // at the bottom of the screen while they reach below it, so that each report shows
           // wherever the tap was made.
           "@media " +
           TouchLayoutQuery() +
           "{#window{--px:1px;--panel:clamp(3.5em,30vh,7.5em);display:grid;"
           "grid-template-columns:minmax(0,1fr);align-content:start;row-gap:2px;width:auto;height:"
           "auto;"
           "min-height:100vh;box-sizing:border-box;overflow:visible;padding:8px 8px 0}"
           "#window>*{position:relative;left:auto;top:auto;width:auto;height:auto;"
           "grid-column:1;grid-row:var(--row)/span var(--span)}"
           "h1,h2{padding:10px 8px}#window>h2{margin:12px 0 8px}"
           "#window>.frame{margin:-6px 0}#window>" +
           figure + "{margin:0 8px}label{min-height:" + std::to_string(TouchRowPixels) +
           "px;white-space:normal;line-height:1.25}label span{font-size:inherit;padding:4px 0}"
           "input{width:20px;height:20px;margin:0 12px 0 10px}"
           "#window>#output,#window>#alert{position:sticky;top:auto;bottom:0;margin:12px 0 0;"
           "height:var(--panel);z-index:1}"
           "@media (min-width:" +
           std::to_string(TwoColumnsPixels) +
           "px){#window{grid-template-columns:minmax(0,2fr) minmax(0,3fr);column-gap:16px}"
           "#window>*{grid-row:var(--row2)/span var(--span);grid-column:var(--col2)}}}";
}

// The page's own script, run as the page is read, before its first paint.
std::string PageScript() {
    // Until the program runs, a click on a control is kept rather than shown, and the program
    // makes it again once it runs.
    return "var early=[];function keepEarly(e){if(e.target instanceof HTMLInputElement)"
           "{e.preventDefault();early.push(e.target.id)}}"
           "addEventListener(\"click\",keepEarly,true);"
           // A caption too wide for its control gets a smaller font in proportion, so that none
           // is cut whatever face stands in for the window's. Measured in a canvas, which needs
           // neither style nor layout of the page, against the control's width in the markup:
           // the desktop layout is at its full size in CSS pixels, so the fraction holds at any
           // zoom. The touch layout wraps captions instead; a change of layout fits them again.
           "var touchLayout=matchMedia(\"" +
           TouchLayoutQuery() +
           "\");function fitCaptions(){"
           "var spans=document.querySelectorAll(\"#" +
           std::string(WindowId) +
           " label span\");"
           "for(var span of spans)span.style.removeProperty(\"--fit\");"
           "if(touchLayout.matches||!spans.length)return;"
           "var measure=document.createElement(\"canvas\").getContext(\"2d\");"
           "measure.font='" +
           WindowFont(std::to_string(FontPixels) + "px") +
           "';"
           // Whole pixels, as the page lays them out.
           "for(span of spans){var room=parseFloat(span.parentElement.style.getPropertyValue("
           "\"--w\"))-" +
           std::to_string(MarkLeft + MarkSize + MarkGap) +
           ",width=Math.round(measure.measureText(span.textContent).width);"
           // A little to spare for the rounding of glyphs at other sizes.
           "if(width>room)span.style.setProperty(\"--fit\","
           "(Math.floor(room/width*970)/1000).toFixed(3))}}"
           "fitCaptions();touchLayout.addEventListener(\"change\",fitCaptions)";
}

// The program, held in a template so that the page is painted before its script is even
// compiled: it starts right after the first frame and takes the clicks kept until then.
std::string ProgramStart() {
    return "requestAnimationFrame(function(){setTimeout(function(){"
           "var program=document.createElement(\"script\");"
           "program.text=document.getElementById(\"" +
           std::string(ProgramId) +
           "\").content"
           ".querySelector(\"script\").text;document.body.append(program)})})";
}

}  // namespace

std::string FigureId(std::size_t figure) {
    return std::string(FigureName) + "-" + std::to_string(figure);
}

std::string PublicationId(std::size_t publication) {
    return std::string(PublicationName) + "-" + std::to_string(publication);
}

std::string TouchLayoutQuery() {
    return "(pointer:coarse),(width<" + std::to_string(Pixels(layout::ClientWidth)) + "px)";
}

std::string WindowMarkup() {
    // The controls that take the focus, and the frame, by tab index: the document's order.
    std::map<int, std::string> by_tab_index;
    by_tab_index[layout::OutputTabIndex] =
        "<textarea id=\"" + std::string(OutputId) + "\" aria-label=\"" +
        Escaped(texts::OutputName) + "\" readonly autofocus spellcheck=\"false\"" +
        Placed(layout::Output, OutputCell) + ">" + Escaped(AssignmentText) + "</textarea>";
    by_tab_index[layout::FrameTabIndex] = "<div class=\"frame\" aria-hidden=\"true\"" +
                                          Placed(layout::FigureFrame, FiguresCell) + "></div>";
    const auto first_figure = static_cast<std::size_t>(layout::FirstFigureInTabOrder());
    constexpr auto figure_rows = layout::FiguresTopDown();
    for (std::size_t figure = 0; figure < layout::OptionTop.size(); ++figure) {
        const Cell cell = Row(FiguresCell, RowOf(figure_rows, static_cast<int>(figure)));
        by_tab_index[layout::OptionTabIndex[figure]] =
            Control("radio", FigureName, figure, FigureId(figure),
                    catalogue::FigureCaption(static_cast<int>(figure)),
                    Placed(layout::OptionPlace(figure), cell, layout::FigureFrame.left,
                           layout::FigureFrame.top),
                    figure == first_figure);
    }
    const std::vector<std::size_t> publication_rows = PublicationsTopDown();
    for (std::size_t publication = 0; publication < layout::CheckTop.size(); ++publication) {
        const Cell cell = Row(PublicationsCell, RowOf(publication_rows, publication));
        by_tab_index[layout::CheckTabIndex[publication]] =
            Control("checkbox", PublicationName, publication, PublicationId(publication),
                    catalogue::PublicationCaption(static_cast<int>(publication)),
                    Placed(layout::CheckPlace(publication), cell), true);
    }

    std::string markup = "<main id=\"" + std::string(WindowId) + "\">";
    markup += Heading(layout::TitleHeading, "h1", TitleCell);
    for (const auto& [tab_index, element] : by_tab_index) markup += element;
    markup += Heading(layout::FiguresHeading, "h2", FiguresHeadingCell) + FigureGroup();
    markup +=
        Heading(layout::PublicationsHeading, "h2", PublicationsHeadingCell) + PublicationGroup();
    markup += "<div id=\"" + std::string(AnnouncerId) + "\" aria-live=\"polite\"></div>";
    markup += "<div id=\"" + std::string(AlertId) + "\" role=\"alert\" hidden" +
              Placed(layout::Output, OutputCell) + "></div>";
    return markup + "</main>";
}

std::string PageMarkup(std::string_view icon_uri, std::string_view script) {
    return "<!DOCTYPE html><html lang=\"bg\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
           "<meta name=\"color-scheme\" content=\"light dark\"><title>" +
           Escaped(texts::WindowTitle()) + "</title><link rel=\"icon\" href=\"" +
           Escaped(icon_uri) + "\"><style>" + Style() + "</style></head><body>" + WindowMarkup() +
           "<script>" + PageScript() + "</script><template id=\"" + std::string(ProgramId) + "\">" +
           std::string(script) + "</template><script>" + ProgramStart() + "</script></body></html>";
}

}  // namespace window::web
