#pragma once

#include <QString>

namespace window {

// The program's name as people see it in menus, dialogs and the title bar.
inline QString ProgramName() {
    return QStringLiteral("История - възрожденци и печатни издания");
}

// The project's web address, then the program's name. The address is a reserved example
// domain, so it points at nobody's real site.
inline QString WindowTitle() {
    return QStringLiteral("www.vazrazhdane.example ") + ProgramName();
}

}  // namespace window
