#pragma once

#include "gui/app/CCommandArea.h"

#include <QStringList>

// "Standard population" in the View menu of the table views and graphs: "World: Segi" or
// "World: WHO 2000", "European: 1976" or "European: 2013", and one entry per user standard
// (*.std) of the Templates folder, which stands in for the World standard. The choice applies
// to every open summary rates view, report view and bar chart at once and to those opened
// later, and is kept in the settings file.
namespace orvelan {

class CStandardCommands : public CCommandArea {
    Q_OBJECT
  public:
    CStandardCommands(CORVELANApp& app, CMainFrame& frame);

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

    /// Names the user standard entries after the files of the Templates folder.
    void listUserStandards();

  private:
    /// Ticks the entries of the current choice.
    void showChoice();

    /// Ticks "Tests and total" as the settings have it.
    void showTests();

    QStringList m_userFiles;
};

} // namespace orvelan
