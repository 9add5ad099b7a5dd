#pragma once

#include <QUrl>
#include <functional>

// Hands addresses and files to the platform's associated program (the web browser for pages).
namespace orvelan {

class CShell {
  public:
    /// True when the platform accepted the address.
    static bool open(const QUrl& url);

    using Opener = std::function<bool(const QUrl&)>;
    /// Replaces the platform call (tests); an empty function restores it.
    static void setOpener(Opener opener);
};

} // namespace orvelan
