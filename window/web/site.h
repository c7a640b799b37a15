// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page as an app a school hosts: any static web server serves the folder, a browser
// offers to install it, and a service worker keeps it for use offline. The single-file page
// stays as it is, making no request of its own.

#include <string>
#include <string_view>

namespace window::web {

inline constexpr std::string_view ManifestFile = "manifest.webmanifest";
inline constexpr std::string_view ServiceWorkerFile = "service-worker.js";

// The page with its manifest named and its service worker registered.
std::string HostedPage(std::string_view page);

// The manifest: name, language, colours of the window, and `icons`, the icons' entries as
// JSON (the icon drawing writes them).
std::string Manifest(std::string_view icons);

// A cache named for the program's version and for the page itself, so that any rebuilt page
// takes over from the last.
std::string CacheName(std::string_view version, std::string_view page);

// Stores `files` under `cache` when installed, answers from that cache first, and removes the
// caches of other versions once it takes over. `files` is a JSON array of names.
std::string ServiceWorker(std::string_view cache, std::string_view files);

}  // namespace window::web
