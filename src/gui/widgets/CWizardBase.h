#pragma once

#include "core/io/IoResult.h"

#include <QString>
#include <QWizard>
#include <string>
#include <string_view>
#include <vector>

class QPushButton;
class QTreeWidget;

// What the program's wizards share: the classic look without Back on the first page, the
// window title taken from the page shown, an optional Back that goes where the wizard says
// rather than one step, and the templates folder below the data directory.
namespace orvelan {

struct TemplateListRow;

class CWizardBase : public QWizard {
    Q_OBJECT
  public:
    /// "<data directory>/Templates".
    QString templateFolder() const;
    /// Whether the templates folder holds a file with the extension (".RPT", any case).
    bool hasTemplateFiles(std::string_view extension) const;

    /// Fills list (name, type, created, modified; emptied first) with the templates of the
    /// extension; typeName names a template's kind. The rows come back in the list's order.
    std::vector<TemplateListRow> listTemplates(QTreeWidget& list, std::string_view extension,
                                               std::string (*typeName)(int kind)) const;

    /// The button of the last pages that saves the choices as a template; text names what is
    /// saved ("report", "graph").
    static QPushButton* templateButton(QWidget* page, const QString& what);
    /// A dictionary text (Latin-1, as the dictionaries hold it) for display.

  protected:
    /// dataDirectory: the folder the templates folder lies in (empty for a wizard without
    /// templates).
    CWizardBase(const QString& objectName, const QString& dataDirectory, QWidget* parent);

    /// Starts on startId at the given size, once the pages are added.
    void start(int startId, int width, int height);
    /// Back runs goBack() instead of stepping to the previous page.
    void routeBackThroughGoBack();
    virtual void goBack() { back(); }
    /// Sets the title of a CWizardPage and clears its quiet line.
    virtual void pageShown(int id);

    /// Creates the templates folder and returns it, for the save dialog to open on.
    QString preparedTemplateFolder() const;
    /// Shows why a template could not be written; nothing when it was.
    void reportTemplateProblem(const IoResult& written);

  private:
    QString m_dataDirectory;
};

} // namespace orvelan
