#pragma once

#include "gui/export/CExpPage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace orvelan {

class CFolderTree;

/// Output files: folder, format, file name and the read-only summary of the two paths.
class CExpWiz3 : public CExpPage {
    Q_OBJECT
  public:
    explicit CExpWiz3(CExpWizard& wizard);

    void initializePage() override;
    /// Finish: a name, then each file either absent and creatable or, when present, the user's
    /// consent to overwrite it; stores the format and both paths.
    bool store() override;

    /// "Data file:\t\t...\r\nLog file:\t\t..." for the current folder, name and format.
    QString summaryText() const;
    CFolderTree* folderTree() const { return m_folders; }

  private:
    void refreshSummary();
    /// Asks before overwriting, or says the file cannot be written; false keeps the page.
    bool acceptTarget(const std::string& path, const QString& existsQuestion,
                      const QString& notAccessible);

    CFolderTree* m_folders = nullptr;
    QComboBox* m_format = nullptr;
    QLineEdit* m_name = nullptr;
    QPlainTextEdit* m_summary = nullptr;
    bool m_opened = false;
};

} // namespace orvelan
