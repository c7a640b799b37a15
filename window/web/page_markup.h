// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window as HTML, written from its description when the page is built, so that the whole
// window is on the screen at the page's first paint, before the program has started.
//
// Each option button and check box is a native <input> inside a <label> covering the
// control's whole rectangle. The inputs stand in the document in the order of their tab
// indexes, which is the order Tab follows; the two groups gather them for screen readers with
// aria-owns. The markup carries no style and no script: the window's places, colours and font
// are custom properties of the page's style (places in CSS pixels at 96 dpi), laid out by
// window.css, and on touch screens and pages narrower than the window by touch.css; page.js,
// the page's own script, reads what it needs from data attributes.

#include <cstddef>
#include <string>
#include <string_view>

namespace window::web {

// The element ids the program looks up.
inline constexpr std::string_view WindowId = "window";
inline constexpr std::string_view OutputId = "output";
inline constexpr std::string_view AnnouncerId = "announcer";
inline constexpr std::string_view AlertId = "alert";
std::string FigureId(std::size_t figure);
std::string PublicationId(std::size_t publication);
// The <input> names, which also tell a click's group.
inline constexpr std::string_view FigureName = "figure";
inline constexpr std::string_view PublicationName = "periodical";

// The page's style and script as a maintainer edits them, read when the page is built.
struct PageSources {
    std::string_view window_css;
    std::string_view touch_css;
    std::string_view page_js;
};

// What search engines and launchers say of the page.
inline constexpr std::string_view Description =
    "Урок за ученици, който свързва История и Информатика: кои възрожденци кои периодични "
    "издания са издавали.";

// What the output area says in a browser that cannot run the program: one without WebAssembly,
// or one that refuses to compile it under the server's policy.
inline constexpr std::string_view TooOldMessage =
    "Този браузър е твърде стар и програмата не може да работи в него. Отворете страницата "
    "в по-нов браузър: Chrome, Firefox, Edge или Safari.";

// The touch layout's media query: a coarse pointer, or a page narrower than the window.
std::string TouchLayoutQuery();

// The window at start: no figure selected, no periodical checked, the assignment in the
// output area, the output area focused.
std::string WindowMarkup();

// The page's whole style: the window's description as custom properties and places, then
// window.css, then touch.css for the touch layout.
std::string PageStyle(const PageSources& sources);

// The page's own script, as the pages carry it.
std::string PageScript(const PageSources& sources);

// The page as one file: language, title, icon (a data: address), style, the window, its own
// script, and `program` held in a template until the first frame.
std::string SingleFilePage(std::string_view icon_uri, const PageSources& sources,
                           std::string_view program);

// The same page in the folder a school hosts, its style, script and program in files beside it,
// with the app's manifest and service worker.
inline constexpr std::string_view PageFile = "index.html";
inline constexpr std::string_view StyleFile = "page.css";
inline constexpr std::string_view ScriptFile = "page.js";
inline constexpr std::string_view ProgramFile = "vazrazhdane.js";
inline constexpr std::string_view ManifestFile = "manifest.webmanifest";
inline constexpr std::string_view ServiceWorkerFile = "service-worker.js";
std::string HostedPage(std::string_view icon_uri);

}  // namespace window::web
