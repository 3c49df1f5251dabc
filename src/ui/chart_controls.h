// The main window's controls, held by what they do, and the two ways a chart
// passes through them: written after "八字表示", read back as the snapshot the
// other windows copy. The layout tables fill the members as they create the
// controls, so a renamed control fails to compile rather than to be found.
#pragma once

#include <array>

#include "chart/chart_snapshot.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mireto {

class UpDownSpinner;

// Every control of the main window's client area.
struct MainControls {
  // What the chart is computed from, and what starts the commands.
  QPushButton* yearButton = nullptr;            // yearInput
  QPushButton* mapButton = nullptr;             // btnmap
  QPushButton* displayButton = nullptr;         // fInput
  QPushButton* exitButton = nullptr;            // endbtn
  QPushButton* popupButton = nullptr;           // btnpop
  QPushButton* exportButton = nullptr;          // btnexport
  QComboBox* month = nullptr;                   // mSelect
  QComboBox* day = nullptr;                     // dSelect
  QComboBox* hour = nullptr;                    // hSelect
  QComboBox* minute = nullptr;                  // mtSelect
  QRadioButton* female = nullptr;               // optW
  QLineEdit* jisaMinutes = nullptr;             // txtJisahun
  QLineEdit* jisaSeconds = nullptr;             // txtJisabyo
  UpDownSpinner* jisaMinutesSpinner = nullptr;  // udJisahun
  UpDownSpinner* jisaSecondsSpinner = nullptr;  // udJisabyo

  // What a computed chart is shown in.
  QLineEdit* birthday = nullptr;  // txtBirthday, written by the input chain
  QRadioButton* male = nullptr;   // optM
  QLineEdit* age = nullptr;
  QLineEdit* weekday = nullptr;
  QLineEdit* equationOfTime = nullptr;
  QLineEdit* trueSolarTime = nullptr;
  QLineEdit* sunLongitude = nullptr;
  QLineEdit* luckStartAge = nullptr;
  QLineEdit* luckChange = nullptr;
  PerPillar<QLabel*> stems{};
  PerPillar<QLabel*> branches{};
  PerPillar<QLabel*> hiddenStems{};
  QLabel* seasonElement = nullptr;
  std::array<QLabel*, kLuckFirstAgeCount> luckFirstAges{};
  std::array<QLabel*, kLuckColumnCount> luckLastAges{};
  std::array<QLabel*, kLuckColumnCount> luckStems{};
  std::array<QLabel*, kLuckColumnCount> luckBranches{};
};

// The menu items the window acts on (separators are not kept).
struct MenuActions {
  QAction* rosterSave = nullptr;     // rosterSave
  QAction* rosterOpen = nullptr;     // rosterOpen
  QAction* rosterExport = nullptr;   // rosterExport
  QAction* rosterImport = nullptr;   // rosterImport
  QAction* rosterRestore = nullptr;  // rosterRestore
  QAction* sheetPrint = nullptr;     // sheetPrint
  QAction* sheetPreview = nullptr;   // sheetPreview
  QAction* sheetPdf = nullptr;       // sheetPdf
  QAction* exit = nullptr;           // endmireto
  QAction* map = nullptr;            // mnuMap
  QAction* popup = nullptr;          // menupop
  QAction* details = nullptr;        // menudetail
  QAction* calendar = nullptr;       // menuCalendar
  QAction* compat = nullptr;         // menucompat
  QAction* zeroJisa = nullptr;       // menujisa01
  QAction* version = nullptr;        // menuversion
};

// Writes the texts of one computed chart, then moves the bold mark to its
// current luck column (both labels of the column; every other one regular).
void WriteChart(const MainControls& controls, const ChartDisplay& display);

// What the controls show now: every text, the sex ("男" only while optM is
// selected) and the first luck column whose stem is bold.
ChartSnapshot ReadSnapshot(const MainControls& controls);

}  // namespace mireto
