#pragma once

#include "gui/widgets/CWizardPage.h"

#include <QStringList>

// What every page of the graph wizard has besides the wizard page's common parts: the sheet
// it edits, the page Back leads to, a red quiet line below the controls, and the program's
// name painted at the lower right (with the bar chart pages' heading at the top).
namespace orvelan {

class CGphWizard;
struct GraphSettings;

class CGphPage : public CWizardPage {
    Q_OBJECT
  public:
    /// role: the page's object name ("graph kind", "bar chart registry choice" ...).
    CGphPage(CGphWizard& wizard, const QString& role);

    /// The page Back returns to; -1 for none.
    virtual int backId() const = 0;

  protected:
    CGphWizard& sheet() const { return m_wizard; }
    GraphSettings& settings() const;
    /// Lines of the heading painted at the top centre; none by default.
    virtual QStringList headingLines() const { return {}; }
    /// Puts the page's controls above the quiet line, with room for the painted texts
    /// (withHeading: room for the heading's lines).
    void setContent(QLayout* content, bool withHeading = false);
    void paintBanner(QPainter& painter) override;

  private:
    CGphWizard& m_wizard;
};

} // namespace orvelan
