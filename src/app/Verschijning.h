#pragma once

#include <QByteArray>
#include <QStringList>

// How the program meets the desktop before its first window: which of Qt's platforms
// it asks for.
namespace Verschijning {

// In a Wayland session Qt asks for its Wayland plugin first, and where that is not
// installed it warns before it falls back to X. The platform to ask for instead: "xcb"
// when the session is Wayland's, X is at hand and the plugin is missing; empty leaves
// the choice to Qt, and so does a platform the user chose (`eigenKeuze`).
QByteArray platform(const QByteArray &eigenKeuze, bool waylandSessie, bool xDisplay,
                    bool waylandPlugin);

// Whether one of the folders holds Qt's Wayland platform plugin.
bool heeftWaylandPlugin(const QStringList &pluginMappen);

} // namespace Verschijning
