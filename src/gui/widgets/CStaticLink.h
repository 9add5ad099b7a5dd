#pragma once

#include <QLabel>
#include <QString>
#include <functional>

// A text that behaves as a hyperlink: a click opens its address, or its own text when no
// address is set, with the platform's associated program.
namespace orvelan {

class CStaticLink : public QLabel {
    Q_OBJECT
  public:
    explicit CStaticLink(const QString& text, QWidget* parent = nullptr);

    void setTarget(const QString& target) { m_target = target; }
    /// Replaces the platform call: a click hands the target to this function instead.
    void setHandler(std::function<void(const QString& target)> handler) {
        m_handler = std::move(handler);
    }
    const QString& target() const { return m_target; }
    /// What a click opens: the address, else the text; empty when both are empty.
    QString effectiveTarget() const;

  signals:
    /// After a click: whether the platform accepted the address.
    void opened(bool ok);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString m_target;
    std::function<void(const QString&)> m_handler;
};

} // namespace orvelan
