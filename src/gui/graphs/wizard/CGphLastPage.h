#pragma once

#include "gui/graphs/wizard/CGphPage.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace orvelan {

class CColourButton;

/// The last page of a graph kind: the "Graph title" box with its proposed title, the page's own
/// options, and (except for the pyramid) the button that saves the settings as a template.
class CGphLastPage : public CGphPage {
    Q_OBJECT
  public:
    /// confirmOverwrite: the save button asks before replacing an existing template.
    CGphLastPage(CGphWizard& wizard, const QString& role, bool confirmOverwrite);

    void initializePage() override;
    int nextId() const override { return -1; }

    QLineEdit* titleBox() const { return m_title; }

  protected:
    /// The title proposed on entering the page.
    virtual QString defaultTitle() const = 0;
    /// Lays out the title box, the options and the save button.
    void setOptions(QLayout* options);
    /// The title box's text into the settings.
    void storeTitle();
    /// The "Colours" box with its Text and Background buttons (objects "textColour" and
    /// "backgroundColour"); a page adds its own buttons to colourLayout().
    QGroupBox* makeColourBox();
    QVBoxLayout* colourLayout() const { return m_colourLayout; }

    CColourButton* m_text = nullptr;
    CColourButton* m_background = nullptr;

  private:
    QLineEdit* m_title = nullptr;
    QPushButton* m_save = nullptr;
    QVBoxLayout* m_colourLayout = nullptr;
};

} // namespace orvelan
