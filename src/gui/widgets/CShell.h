#pragma once

#include <QUrl>
#include <functional>

class QObject;

// Hands addresses and files to the platform's associated program (the web browser for pages).
namespace orvelan {

class CShell {
  public:
    /// Told when the program that took the address reports afterwards that it could not show it
    /// (a launcher that ends with a failure status, e.g. when no browser is installed).
    using Failed = std::function<void()>;

    /// True when the platform accepted the address; false when nothing could be started. A
    /// later failure calls `failed` once, on the GUI thread, while `context` lives.
    static bool open(const QUrl& url, QObject* context = nullptr, Failed failed = {});

    /// Replaces the platform call (tests): it returns the immediate answer and may call the
    /// given Failed later. An empty function restores the platform call.
    using Opener = std::function<bool(const QUrl&, const Failed&)>;
    static void setOpener(Opener opener);
    /// An opener that only answers at once.
    static void setOpener(const std::function<bool(const QUrl&)>& opener);
    static void resetOpener();
};

} // namespace orvelan
