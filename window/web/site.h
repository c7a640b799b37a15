// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The page as an app a school hosts: any static web server serves the folder, a browser
// offers to install it, and a service worker keeps it for use offline. The single-file page
// stays as it is, making no request of its own.

#include <string>
#include <string_view>
#include <vector>

namespace window::web {

// The manifest: name, description, language, colours of the window, and `icons`, the icons'
// entries as JSON (the icon drawing writes them). Each copy of the folder is an app of its own.
std::string Manifest(std::string_view icons);

// A file the service worker keeps, with the SHA-256 of its bytes in hex.
struct KeptFile {
    std::string name;
    std::string digest;
};

// The service worker: `source`, service-worker.js, after the build's name and its files.
std::string ServiceWorker(std::string_view source, std::string_view build,
                          const std::vector<KeptFile>& files);

}  // namespace window::web
