#pragma once

#include "gui/app/CCommandArea.h"

// Open, the recent-file list and Print Setup.
namespace orvelan {

class CFileCommands : public CCommandArea {
    Q_OBJECT
  public:
    using CCommandArea::CCommandArea;

    std::vector<int> commands() const override;
    bool isAvailable(int id) const override;
    void run(int id) override;

  private:
    void open();
    void openRecent(int index);
    void printSetup();
};

} // namespace orvelan
