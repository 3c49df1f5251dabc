// A seeded random walk of user actions through the real windows: every list,
// button, menu item and spinner of the main window, text typed into the
// seconds field, the year dialog, the birthplace map, the pop-up, the text
// preview and the About box, with the occasional exit and restart.
//
// After every press of "八字表示" the chart on screen must equal ComputeChart
// of the inputs on screen (year, lists, sex, the two time-difference texts) at
// the present minute; when ComputeChart refuses them, a message must have
// been shown and the chart on screen must be unchanged. Cheaper invariants are
// checked after every action.
//
// MIRETO_MONKEY_SEED and MIRETO_MONKEY_ACTIONS override the seed and the
// number of actions; the seed and the count of every kind of action are printed.
#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "app/secondary_windows.h"
#include "chart/birth_notices.h"
#include "core/numeric.h"
#include "gui/message_box.h"
#include "gui/resources.h"
#include "map_dialog/map_dialog.h"
#include "map_dialog/map_view.h"
#include "output_windows/export_window.h"
#include "output_windows/popup_window.h"
#include "ui/birth_time_boxes.h"
#include "ui/fonts.h"
#include "ui_fixture.h"

namespace mireto::test {

namespace {

constexpr std::uint64_t kDefaultSeed = 20250607;
constexpr int kDefaultActions = 5000;
// The About box plays a clip of under a second; the player gives up after the
// clip plus its grace period. A hung sound would blow far past this bound.
constexpr qint64 kAboutBoundMs = 6000;

// Texts a user might type into the seconds field: ordinary values, the
// spinner's limits and beyond, signs, huge numbers, exponents, full-width
// digits, garbage and nothing at all.
// clang-format off
const QStringList kSecondsTexts = {
    "0", "7", "59", "60", "-1", "-0", "", "abc", "12abc", " 30", "3.5", "-59",
    "99999999999999999999", "-99999999999999999999", "1e308", "-1e308", "1e-5",
    "inf", "nan", "0x1F", "１２", "5 5", "+9", "--3", "9999999",
};
// clang-format on

const QStringList kWeekdayTexts = {"", "x", "月曜日", "12345"};

// ---- Reading the screen ----------------------------------------------------

using Entries = std::vector<std::pair<QString, QString>>;  // control name, text

constexpr const char* kResultFields[] = {"txtAge",    "txtweek",   "txtKinjisa", "txtShin",
                                         "txtKoukei", "txtKoutai", "txtKoutaiYM"};
constexpr const char* kKan[] = {"yKan", "mKan", "dKan", "hKan"};
constexpr const char* kShi[] = {"yShi", "mShi", "dShi", "hShi"};
constexpr const char* kZokan[] = {"lbl_yZokan", "lbl_mZokan", "lbl_dZokan", "lbl_hZokan"};
constexpr int kLuckColumns = 11;

QString BoldName(const QString& label) { return label + QStringLiteral(".bold"); }

// Every chart text and bold flag the main window shows, plus whether the
// commands that need a chart are usable.
Entries ShownChart(const QWidget* w) {
  Entries shown;
  for (const char* name : kResultFields) shown.emplace_back(name, Text(w, name));
  for (const auto* names : {kKan, kShi, kZokan})
    for (int i = 0; i < 4; ++i) shown.emplace_back(names[i], Caption(w, QString::fromUtf8(names[i])));
  shown.emplace_back("lblOu", Caption(w, QStringLiteral("lblOu")));
  for (const char* array : {"dun_kan", "dun_shi", "sai1", "sai2"}) {
    const int count = QString::fromUtf8(array) == QStringLiteral("sai1") ? 10 : kLuckColumns;
    for (int i = 0; i < count; ++i) {
      const QString name = IndexedName(array, i);
      auto* label = FindControl<QLabel>(w, name);
      shown.emplace_back(name, label->text());
      if (QString::fromUtf8(array).startsWith(QStringLiteral("dun_")))
        shown.emplace_back(BoldName(name), label->font().bold() ? "1" : "0");
    }
  }
  // The buttons' own state: the year dialog disables the whole window for a while.
  for (const char* button : {"btnpop", "btnexport"})
    shown.emplace_back(QString::fromUtf8(button) + QStringLiteral(".enabled"),
                       Control<QWidget>(w, button)->testAttribute(Qt::WA_ForceDisabled) ? "0" : "1");
  shown.emplace_back("menupop.enabled", Control<QAction>(w, "menupop")->isEnabled() ? "1" : "0");
  return shown;
}

// What the main window must show for a computed chart, in ShownChart's order.
Entries ExpectedChart(const ChartDisplay& d) {
  auto q = [](const std::string& text) { return QString::fromStdString(text); };
  Entries expected = {{"txtAge", q(d.age)},
                      {"txtweek", q(d.weekday)},
                      {"txtKinjisa", q(d.equationOfTime)},
                      {"txtShin", q(d.trueSolarTime)},
                      {"txtKoukei", q(d.sunLongitude)},
                      {"txtKoutai", q(d.luckStartAge)},
                      {"txtKoutaiYM", q(d.luckChange)}};
  for (int i = 0; i < 4; ++i) expected.emplace_back(kKan[i], q(d.stems[kPillars[i]]));
  for (int i = 0; i < 4; ++i) expected.emplace_back(kShi[i], q(d.branches[kPillars[i]]));
  for (int i = 0; i < 4; ++i) expected.emplace_back(kZokan[i], q(d.hiddenStems[kPillars[i]]));
  expected.emplace_back("lblOu", q(d.seasonElement));
  for (const char* array : {"dun_kan", "dun_shi"}) {
    for (int i = 0; i < kLuckColumns; ++i) {
      const QString name = IndexedName(array, i);
      const auto& texts = QString::fromUtf8(array) == QStringLiteral("dun_kan") ? d.luckStems : d.luckBranches;
      expected.emplace_back(name, q(texts[i]));
      expected.emplace_back(BoldName(name), d.boldLuckColumn == i ? "1" : "0");
    }
  }
  for (int i = 0; i < 10; ++i) expected.emplace_back(IndexedName("sai1", i), q(d.luckFirstAges[i]));
  for (int i = 0; i < kLuckColumns; ++i) expected.emplace_back(IndexedName("sai2", i), q(d.luckLastAges[i]));
  expected.emplace_back("btnpop.enabled", "1");
  expected.emplace_back("btnexport.enabled", "1");
  expected.emplace_back("menupop.enabled", "1");
  return expected;
}

// "" when equal, else the differing entries.
QString Difference(Entries shown, Entries expected) {
  std::sort(shown.begin(), shown.end());
  std::sort(expected.begin(), expected.end());
  if (shown == expected) return {};
  std::map<QString, QString> want(expected.begin(), expected.end());
  QStringList lines;
  for (const auto& [name, text] : shown)
    if (want[name] != text) lines << QStringLiteral("%1: shown '%2', expected '%3'").arg(name, text, want[name]);
  if (shown.size() != expected.size()) lines << QStringLiteral("entry counts differ");
  return lines.join(QStringLiteral("; "));
}

// The leading whole number of a text ("1975年4月8日" -> 1975), none without digits.
std::optional<int> LeadingInteger(const QString& text) {
  int digits = 0;
  while (digits < text.size() && digits < 6 && text[digits].isDigit() && text[digits].unicode() < 128) ++digits;
  if (digits == 0) return std::nullopt;
  return text.left(digits).toInt();
}

std::optional<int> ListNumber(const QComboBox* list) {
  if (list->currentIndex() < 0 || list->currentText() == QStringLiteral("?")) return std::nullopt;
  return list->currentText().toInt();
}

// The birth input as the controls show it: the year from the birth summary,
// the lists' texts, the sex option and the two time-difference texts.
std::optional<BirthInput> ShownInput(const QWidget* w) {
  const std::optional<int> year = LeadingInteger(Text(w, "txtBirthday"));
  const std::optional<int> month = ListNumber(List(w, "mSelect"));
  const std::optional<int> day = ListNumber(List(w, "dSelect"));
  if (!year || !month || !day) return std::nullopt;
  BirthInput input;
  input.year = *year;
  input.month = *month;
  input.day = *day;
  input.hour = ListNumber(List(w, "hSelect"));
  input.minute = ListNumber(List(w, "mtSelect"));
  input.sex = Control<QRadioButton>(w, "optM")->isChecked() ? Sex::Male : Sex::Female;
  input.jisaMinutesText = Text(w, "txtJisahun").toStdString();
  input.jisaSecondsText = Text(w, "txtJisabyo").toStdString();
  return input;
}

LocalDateTime PresentMinute() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute()};
}

// Types text key by key; characters beyond Latin-1 (full-width digits, kana)
// arrive as key events that carry only their text, as an input method sends them.
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80) QTest::keyClick(widget, ch.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

// The six degree, minute and second labels of the map, joined by "|".
QString MapLabels(const QWidget* map) {
  QStringList texts;
  for (const char* name : {"lblido", "lblihun", "lblibyou", "lblkdo", "lblkhun", "lblkbyou"})
    texts << Control<QLabel>(map, name)->text();
  return texts.join(QLatin1Char('|'));
}

// ---- Modal boxes -------------------------------------------------------------

// While alive, answers every modal message box as soon as it is shown and
// records its name, title and text: a summer-time question with はい or いいえ
// and a repeated hour with either reading, as `choose` says; any other box with OK.
class ModalCloser {
 public:
  explicit ModalCloser(std::function<bool()> choose) : choose_(std::move(choose)) {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeModal(); });
    timer_.start();
  }

  QStringList names;
  QStringList titles;
  QStringList texts;
  std::optional<bool> summerChosen;  // the answer to a summer-time question, if one was asked

  // The texts of the boxes other than the two questions.
  QStringList messages() const {
    QStringList out;
    for (int i = 0; i < names.size(); ++i)
      if (names[i] != QLatin1String(kSummerTimeQuestionName) && names[i] != QLatin1String(kRepeatedTimeQuestionName) &&
          names[i] != QLatin1String(kNeverExistedTimeName))
        out << texts[i];
    return out;
  }

 private:
  void closeModal() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    names << box->objectName();
    titles << box->windowTitle();
    texts << QString(box->text()).remove(u'\n');  // as written, without the box's line breaks
    if (box->objectName() == QLatin1String(kSummerTimeQuestionName) ||
        box->objectName() == QLatin1String(kNeverExistedTimeName)) {
      summerChosen = choose_();
      box->button(*summerChosen ? QMessageBox::Yes : QMessageBox::No)->click();
    } else if (box->objectName() == QLatin1String(kRepeatedTimeQuestionName)) {
      summerChosen = choose_();
      const char* name = *summerChosen ? "summerTimeChoice" : "standardTimeChoice";
      for (QAbstractButton* b : box->buttons())
        if (b->objectName() == QLatin1String(name)) b->click();
    } else if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->reject();
    }
  }

  std::function<bool()> choose_;
  QTimer timer_;
};

// ---- The monkey --------------------------------------------------------------

struct Action {
  QString name;
  int weight;
  std::function<bool()> available;
  std::function<void()> run;
  // Only the display button, typing into the weekday field and the exits may
  // change the chart on display; every other action must leave it as it was.
  bool mayChangeChart = false;
};

class Monkey {
 public:
  explicit Monkey(std::uint64_t seed) : random_(seed) { restart(); }

  // Runs `count` actions; stops at the first failed check.
  void run(int count) {
    const std::vector<Action> actions = allActions();
    for (done_ = 0; done_ < count && failure_.isEmpty(); ++done_) {
      const Action& action = pick(actions);
      ++counts_[action.name];
      lastAction_ = action.name;
      const Entries before = ShownChart(main());
      action.run();
      settle();
      if (!action.mayChangeChart)
        if (const QString diff = Difference(ShownChart(main()), before); !diff.isEmpty())
          fail(QStringLiteral("the chart on display changed: ") + diff);
      if (failure_.isEmpty()) checkInvariants();
    }
  }

  const QString& failure() const { return failure_; }
  int done() const { return done_; }
  const std::map<QString, int>& counts() const { return counts_; }
  int charts() const { return charts_; }
  int refusals() const { return refusals_; }
  int minuteRetries() const { return minuteRetries_; }
  int summerCharts() const { return summerCharts_; }
  int boundaryBoxes() const { return boundaryBoxes_; }
  int restarts() const { return restarts_; }

 private:
  // ---- helpers
  QWidget* main() const { return window_.get(); }
  QWidget* yearDialog() const { return window_->yearDialog(); }
  QWidget* map() const { return secondary_->map().window(); }
  QWidget* popup() const { return secondary_->popup().window(); }
  QWidget* preview() const { return secondary_->exporter().window(); }
  static bool Visible(const QWidget* w) { return w != nullptr && w->isVisible(); }
  bool mainUsable() const { return window_->isVisible() && window_->isEnabled(); }
  bool enabled(const char* name) const { return mainUsable() && Enabled(main(), name); }
  bool actionEnabled(const char* name) const { return mainUsable() && Control<QAction>(main(), name)->isEnabled(); }

  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

  const Action& pick(const std::vector<Action>& actions) {
    std::vector<const Action*> open;
    int total = 0;
    for (const Action& action : actions)
      if (action.available()) {
        open.push_back(&action);
        total += action.weight;
      }
    int ticket = below(total);
    for (const Action* action : open) {
      if (ticket < action->weight) return *action;
      ticket -= action->weight;
    }
    return *open.back();
  }

  void fail(const QString& what) {
    if (failure_.isEmpty()) failure_ = QStringLiteral("action %1 (%2): %3").arg(done_ + 1).arg(lastAction_, what);
  }

  // Lets posted events run, including the deletion of windows closed from
  // their title bars.
  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void restart() {
    window_ = NewMainWindow();
    secondary_ = new SecondaryWindows(window_.get());
    ++restarts_;
  }

  // ---- the chart check
  void pressDisplay() {
    const Entries before = ShownChart(main());
    const std::optional<BirthInput> input = ShownInput(main());
    const LocalDateTime earlier = PresentMinute();
    ModalCloser closer([this] { return below(2) == 0; });
    Click(main(), "fInput");
    const LocalDateTime later = PresentMinute();
    const Entries after = ShownChart(main());
    if (!input) {
      if (Difference(after, before) != QString()) fail(QStringLiteral("chart changed without a full date"));
      return;
    }
    if (!checkQuestions(*input, closer)) return;
    const SummerTimeRule rule = QuestionBeforeChart(*input) == BirthQuestion::NeverExisted
                                    ? SummerTimeRule::Ignore
                                    : RuleForAnswer(closer.summerChosen.value_or(false));
    const BirthChart birth = ComputeBirthChart(*input, rule, Tables(), earlier, Boundaries::Skip);
    if (!birth.result.chart) {
      ++refusals_;
      if (closer.messages() != QStringList{FinishedSentence(QString::fromStdString(birth.result.error))})
        fail(QStringLiteral("refusal not reported as '%1' (shown: %2)")
                 .arg(QString::fromStdString(birth.result.error), closer.texts.join('|')));
      if (const QString diff = Difference(after, before); !diff.isEmpty())
        fail(QStringLiteral("refused input changed the chart: ") + diff);
      return;
    }
    ++charts_;
    if (rule == SummerTimeRule::Apply) ++summerCharts_;
    QStringList expectedBoxes;
    for (const std::string& text : InformationAfterChart(birth))
      expectedBoxes << FinishedSentence(QString::fromStdString(text));
    if (!expectedBoxes.isEmpty()) ++boundaryBoxes_;
    if (closer.messages() != expectedBoxes)
      fail(QStringLiteral("boxes after the chart: %1 (expected %2)")
               .arg(closer.messages().join('|'), expectedBoxes.join('|')));
    QString diff = Difference(after, ExpectedChart(birth.result.chart->display));
    if (!diff.isEmpty()) {
      // The present minute may have turned during the click.
      ++minuteRetries_;
      const BirthChart again = ComputeBirthChart(*input, rule, Tables(), later, Boundaries::Skip);
      if (again.result.chart) diff = Difference(after, ExpectedChart(again.result.chart->display));
    }
    if (!diff.isEmpty()) fail(QStringLiteral("chart differs from ComputeChart: ") + diff);
  }

  // The question asked first, if the clock time needs one; a time that never
  // existed is refused with the chart unchanged. False when nothing more is to be checked.
  bool checkQuestions(const BirthInput& input, const ModalCloser& closer) {
    const char* expected = nullptr;
    switch (QuestionBeforeChart(input)) {
      case BirthQuestion::None: break;
      case BirthQuestion::SummerTime: expected = kSummerTimeQuestionName; break;
      case BirthQuestion::WhichRepeated: expected = kRepeatedTimeQuestionName; break;
      case BirthQuestion::NeverExisted:
        // Asked whether to compute it as entered; いいえ shows no chart.
        if (closer.names.isEmpty() || closer.names.front() != QLatin1String(kNeverExistedTimeName) ||
            closer.texts.front() != QString::fromStdString(NeverExistedQuestion(input)) || !closer.summerChosen)
          fail(QStringLiteral("a time that never existed not asked about: ") + closer.texts.join('|'));
        if (closer.summerChosen.value_or(false)) return failure_.isEmpty();
        ++refusals_;
        if (closer.names.size() != 1) fail(QStringLiteral("boxes after いいえ: ") + closer.texts.join('|'));
        return false;
    }
    const bool asked =
        expected != nullptr && !closer.names.isEmpty() && closer.names.front() == QLatin1String(expected);
    if ((expected != nullptr) != asked || closer.summerChosen.has_value() != asked)
      fail(QStringLiteral("question %1 expected, boxes shown: %2")
               .arg(QString::fromUtf8(expected ? expected : "none"), closer.names.join('|')));
    return failure_.isEmpty();
  }

  // Enters a birth whose clock time matters: in or at the edge of a summer
  // time, or within 90 minutes of a sectional-term boundary at the time
  // difference on display, the hour sometimes unknown; then presses 八字表示.
  void enterBirthTime() {
    ClockTime t;
    if (below(2) == 0) {
      const SummerTimeInterval& i = kSummerTimeIntervals[static_cast<std::size_t>(below(kSummerTimeIntervals.size()))];
      const int edge = below(5);
      t = edge < 2   ? ClockTime{i.year, i.startMonth, i.startDay, edge, below(60), 0}
          : edge < 4 ? ClockTime{i.year, i.endMonth, i.endDay, edge - 2, below(60), 0}
                     : ClockTime{i.year, 6 + below(3), 1 + below(28), below(24), below(60), 0};
    } else {
      BirthInput probe;
      probe.year = 1800 + below(281);
      probe.month = 1 + below(12);
      probe.day = 5 + below(4);
      probe.hour = 12;
      probe.minute = 0;
      probe.jisaMinutesText = Text(main(), "txtJisahun").toStdString();
      probe.jisaSecondsText = Text(main(), "txtJisabyo").toStdString();
      const BirthChart anchor =
          ComputeBirthChart(probe, SummerTimeRule::Ignore, Tables(), PresentMinute(), Boundaries::Solve);
      if (!anchor.result.chart) return;
      const ClockTime b = anchor.boundaries->nearer().clockTime;
      t = FromClockSeconds(ClockSeconds(b) - b.second + (below(181) - 90) * 60);
      if (t.year < 1800 || t.year > 2080) return;
    }
    const QString hour = below(5) == 0 ? QStringLiteral("?") : QString::number(t.hour);
    EnterDateAndTime(*window_, t.year, t.month, t.day, hour, QString::number(t.minute));
    pressDisplay();
  }

  // ---- invariants after every action
  void checkInvariants() {
    if (!window_->isVisible()) return fail(QStringLiteral("main window vanished"));
    const bool yearOpen = Visible(yearDialog());
    // Only the year dialog disables the main window; "決定" with no year
    // enables it again while the dialog stays open.
    if (!window_->isEnabled() && !yearOpen) fail(QStringLiteral("main window disabled without the year dialog"));
    const BirthRecord& record = window_->birthRecord();
    const QString hourText = List(main(), "hSelect")->currentText();
    const QString minuteText = List(main(), "mtSelect")->currentText();
    const QString summary =
        QString::fromStdString(BirthdayData(record, hourText.toStdString(), minuteText.toStdString()));
    const bool nothingEntered = !record.inYear && !record.inMonth && !record.inDay && !record.inHour &&
                                !record.inMinute && Text(main(), "txtBirthday").isEmpty();
    if (!nothingEntered && Text(main(), "txtBirthday") != summary)
      fail(QStringLiteral("summary '%1' does not follow the record").arg(Text(main(), "txtBirthday")));
    checkListAgainstRecord("mSelect", record.inMonth);
    checkListAgainstRecord("dSelect", record.inDay);
    checkListAgainstRecord("hSelect", record.inHour);
    checkListAgainstRecord("mtSelect", record.inMinute);
    if (hourText == QStringLiteral("?") && Enabled(main(), "mtSelect"))
      fail(QStringLiteral("minute list usable with the hour '?'"));
  }

  // A list with a selection shows the number its record member holds ("?" is 0).
  void checkListAgainstRecord(const char* name, const std::optional<int>& member) {
    const QComboBox* list = List(main(), name);
    if (list->currentIndex() < 0) return;
    const int shown = static_cast<int>(LeadingNumber(list->currentText().toStdString()));
    if (member != shown)
      fail(QStringLiteral("%1 shows %2, record holds %3").arg(name, list->currentText()).arg(member.value_or(-1)));
  }

  void checkSpinnerField(const char* field, int minimum, int maximum) {
    bool integral = false;
    const int value = Text(main(), field).toInt(&integral);
    if (!integral || value < minimum || value > maximum)
      fail(QStringLiteral("%1 reads '%2' after a spinner step").arg(field, Text(main(), field)));
  }

  // The pop-up copies the captions, texts and bold marks of the main window.
  void checkPopupCopy() {
    if (!Visible(popup())) return fail(QStringLiteral("pop-up not shown"));
    for (QLabel* label : popup()->findChildren<QLabel*>()) {
      if (label->objectName().isEmpty()) continue;
      const QLabel* source = FindControl<QLabel>(main(), label->objectName());
      if (source == nullptr) continue;
      if (label->text() != source->text() ||
          (label->objectName().startsWith(QStringLiteral("dun_")) && label->font().bold() != source->font().bold()))
        return fail(QStringLiteral("pop-up %1 differs from the main window").arg(label->objectName()));
    }
    for (const char* name : {"txtBirthday", "txtKoutai", "txtKoutaiYM", "txtKoukei", "txtAge"})
      if (Text(popup(), name) != Text(main(), name)) return fail(QStringLiteral("pop-up %1 differs").arg(name));
    const bool male = Control<QRadioButton>(main(), "optM")->isChecked();
    if (Text(popup(), "txtMW") != (male ? QStringLiteral("男") : QStringLiteral("女")))
      fail(QStringLiteral("pop-up sex differs"));
  }

  // The preview holds the 17-line chart text of the birth data on display.
  void checkPreview() {
    if (!Visible(preview())) return fail(QStringLiteral("preview not shown"));
    const QString text = Control<QPlainTextEdit>(preview(), "txtmireto01")->toPlainText();
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() != 17 || !text.contains(QStringLiteral("生年月日／") + Text(main(), "txtBirthday")))
      fail(QStringLiteral("preview text of %1 lines").arg(lines.size()));
  }

  // The program ended by a command: nothing of it may remain, then it starts again.
  void expectEnded(const std::function<void()>& command) {
    QPointer<QWidget> mapWindow = map(), popupWindow = popup(), previewWindow = preview();
    command();
    settle();
    if (window_->isVisible()) fail(QStringLiteral("main window still shown after exit"));
    if (map() || popup() || preview() || yearDialog() || mapWindow || popupWindow || previewWindow)
      fail(QStringLiteral("a secondary window outlived the exit"));
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible()) fail(QStringLiteral("window %1 still shown after exit").arg(widget->objectName()));
    window_.reset();
    settle();
    restart();
  }

  void pickFromList(const char* name) {
    QComboBox* list = List(main(), name);
    const int index = below(list->count());
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  void keyOnWidget(QWidget* widget, std::initializer_list<Qt::Key> keys) {
    const std::vector<Qt::Key> choices(keys);
    QTest::keyClick(widget, choices[below(static_cast<int>(choices.size()))]);
  }

  void typeInto(const char* name, const QString& text) {
    auto* field = Control<QLineEdit>(main(), name);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    TypeText(field, text);
  }

  void pressShortcut(Qt::Key key) {
    window_->activateWindow();
    (void)QTest::qWaitForWindowActive(window_.get(), 200);
    QWidget* target = QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == main()
                          ? QApplication::focusWidget()
                          : main();
    QTest::keyClick(target, key, Qt::ControlModifier);
  }

  QPoint mapPoint() { return {below(MapView::kSizePx), below(MapView::kSizePx)}; }
  MapView* mapView() const { return map()->findChild<MapView*>(); }

  void clickYearInList() {
    auto* list = Control<QListWidget>(yearDialog(), "List1");
    if (list->count() == 0) return;
    QListWidgetItem* item = list->item(below(list->count()));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    const QString shown = Control<QLabel>(yearDialog(), "lblSelect_y")->text();
    if (shown != item->text()) fail(QStringLiteral("year label '%1' after clicking %2").arg(shown, item->text()));
  }

  void decideYear() {
    const QString shown = Control<QLabel>(yearDialog(), "lblSelect_y")->text();
    Click(yearDialog(), "btnSlok");
    if (!window_->isEnabled()) fail(QStringLiteral("main window still disabled after 決定"));
    if (shown.isEmpty()) {
      if (!yearDialog()->isVisible()) fail(QStringLiteral("year dialog hid with no year"));
      return;
    }
    if (yearDialog()->isVisible()) fail(QStringLiteral("year dialog stayed open"));
    if (window_->birthRecord().inYear != shown.toInt()) fail(QStringLiteral("year %1 not taken").arg(shown));
    if (!Enabled(main(), "mSelect")) fail(QStringLiteral("month list not enabled"));
  }

  void showAbout(const std::function<void()>& trigger) {
    ModalCloser closer([] { return false; });
    QElapsedTimer elapsed;
    elapsed.start();
    trigger();
    if (elapsed.elapsed() > kAboutBoundMs)
      fail(QStringLiteral("About box and sound took %1 ms").arg(elapsed.elapsed()));
    if (closer.titles != QStringList{QStringLiteral("バージョン情報")})
      fail(QStringLiteral("About box not shown once: ") + closer.titles.join('|'));
  }

  std::vector<Action> allActions();

  std::mt19937_64 random_;
  std::unique_ptr<MainWindow> window_;
  SecondaryWindows* secondary_ = nullptr;
  QString failure_;
  QString lastAction_;
  std::map<QString, int> counts_;
  int done_ = 0;
  int charts_ = 0;
  int refusals_ = 0;
  int minuteRetries_ = 0;
  int summerCharts_ = 0;   // charts computed one hour earlier after はい
  int boundaryBoxes_ = 0;  // charts followed by a sectional-term box
  int restarts_ = -1;      // the first start is not a restart
};

std::vector<Action> Monkey::allActions() {
  std::vector<Action> actions;
  auto add = [&](const QString& name, int weight, std::function<bool()> available, std::function<void()> run,
                 bool mayChangeChart = false) {
    actions.push_back({name, weight, std::move(available), std::move(run), mayChangeChart});
  };
  auto always = [this] { return mainUsable(); };

  // Main window: input chain.
  add(
      "yearInput", 30, [this] { return enabled("yearInput"); }, [this] { Click(main(), "yearInput"); });
  for (const char* list : {"mSelect", "dSelect", "hSelect", "mtSelect"}) {
    add(
        QStringLiteral("pick ") + list, 60, [this, list] { return enabled(list) && List(main(), list)->count() > 0; },
        [this, list] { pickFromList(list); });
    add(
        QStringLiteral("keys on ") + list, 15, [this, list] { return enabled(list); },
        [this, list] {
          keyOnWidget(List(main(), list),
                      {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown});
        });
  }
  for (const char* option : {"optW", "optM"})
    add(option, 20, always,
        [this, option] { QTest::mouseClick(Control<QRadioButton>(main(), option), Qt::LeftButton); });

  // Time difference: spinners, typing, "時差ゼロ".
  struct Spin {
    const char* spinner;
    const char* field;
    int minimum, maximum;
  };
  for (Spin s : {Spin{"udJisahun", "txtJisahun", -49, 48}, Spin{"udJisabyo", "txtJisabyo", 0, 59}}) {
    for (const char* arrow : {"up", "down"})
      add(QStringLiteral("%1 %2").arg(s.spinner, arrow), 30, always, [this, s, arrow] {
        QTest::mouseClick(Control<QToolButton>(Control<QWidget>(main(), s.spinner), arrow), Qt::LeftButton);
        checkSpinnerField(s.field, s.minimum, s.maximum);
      });
    add(QStringLiteral("keys on ") + s.spinner, 10, always, [this, s] {
      keyOnWidget(Control<QWidget>(main(), s.spinner), {Qt::Key_Up, Qt::Key_Down});
      checkSpinnerField(s.field, s.minimum, s.maximum);
    });
  }
  add("type txtJisabyo", 50, always, [this] {
    const QString& text = kSecondsTexts[below(kSecondsTexts.size())];
    typeInto("txtJisabyo", text);
    if (Text(main(), "txtJisabyo") != text)
      fail(QStringLiteral("seconds field shows '%1' after typing '%2'").arg(Text(main(), "txtJisabyo"), text));
  });
  add("type txtJisahun", 5, always, [this] {
    const QString before = Text(main(), "txtJisahun");
    typeInto("txtJisahun", QStringLiteral("12"));
    if (Text(main(), "txtJisahun") != before) fail(QStringLiteral("the minutes field took typing"));
  });
  add(
      "type txtweek", 5, always, [this] { typeInto("txtweek", kWeekdayTexts[below(kWeekdayTexts.size())]); }, true);
  add("menujisa01", 15, always, [this] {
    Control<QAction>(main(), "menujisa01")->trigger();
    if (Text(main(), "txtJisahun") != "0" || Text(main(), "txtJisabyo") != "0")
      fail(QStringLiteral("時差ゼロ left a field non-zero"));
  });

  // Display and the windows that copy the chart.
  add(
      "fInput", 110, [this] { return enabled("fInput"); }, [this] { pressDisplay(); }, true);
  add(
      "birth-time entry", 15, always, [this] { enterBirthTime(); }, true);
  add(
      "btnpop", 20, [this] { return enabled("btnpop"); },
      [this] {
        Click(main(), "btnpop");
        checkPopupCopy();
      });
  add(
      "menupop", 10, [this] { return actionEnabled("menupop"); },
      [this] {
        Control<QAction>(main(), "menupop")->trigger();
        checkPopupCopy();
      });
  add(
      "btnexport", 25, [this] { return enabled("btnexport"); },
      [this] {
        Click(main(), "btnexport");
        checkPreview();
      });
  add(
      "pop-up CLOSE", 20, [this] { return Visible(popup()); },
      [this] {
        Click(popup(), "Command1");
        if (popup() == nullptr || popup()->isVisible()) fail(QStringLiteral("CLOSE did not only hide the pop-up"));
      });
  add(
      "pop-up title-bar close", 8, [this] { return Visible(popup()); },
      [this] {
        popup()->close();
        settle();
        if (popup() != nullptr) fail(QStringLiteral("pop-up kept after its title-bar close"));
      });
  add(
      "preview CLOSE", 20, [this] { return Visible(preview()); },
      [this] {
        Click(preview(), "btnclose01");
        if (preview() == nullptr || preview()->isVisible()) fail(QStringLiteral("CLOSE did not only hide the preview"));
      });
  add(
      "preview title-bar close", 8, [this] { return Visible(preview()); },
      [this] {
        preview()->close();
        settle();
        if (preview() != nullptr) fail(QStringLiteral("preview kept after its title-bar close"));
      });
  add(
      "type in preview", 5, [this] { return Visible(preview()); },
      [this] { TypeText(Control<QPlainTextEdit>(preview(), "txtmireto01"), QStringLiteral("山田 太郎")); });

  // The map.
  add("btnmap", 12, always, [this] {
    Click(main(), "btnmap");
    if (!Visible(map())) fail(QStringLiteral("map not shown"));
  });
  add("mnuMap", 6, always, [this] {
    Control<QAction>(main(), "mnuMap")->trigger();
    if (!Visible(map())) fail(QStringLiteral("map not shown"));
  });
  add(
      "map move", 10, [this] { return Visible(map()); },
      [this] {
        const bool fixed = Enabled(map(), "btndecide");
        const QString before = MapLabels(map());
        // Sent to the map itself: offscreen windows all sit centred on one
        // another, so a cursor move would reach whichever window the platform
        // thinks is on top.
        const QPointF at = mapPoint();
        QMouseEvent move(QEvent::MouseMove, at, mapView()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(mapView(), &move);
        const QString after = MapLabels(map());
        if (fixed ? after != before : after.contains(QStringLiteral("||")) || after.startsWith('|'))
          fail(QStringLiteral("a move over the map changed the labels of a fixed point, or left them empty: ") + after);
      });
  add(
      "map left click", 20, [this] { return Visible(map()); },
      [this] {
        QTest::mouseClick(mapView(), Qt::LeftButton, {}, mapPoint());
        if (!Enabled(map(), "btndecide") || !Enabled(map(), "btncancel"))
          fail(QStringLiteral("a click fixed no point"));
      });
  add(
      "map right click", 8, [this] { return Visible(map()); },
      [this] {
        QTest::mouseClick(mapView(), Qt::RightButton, {}, mapPoint());
        if (Enabled(map(), "btndecide")) fail(QStringLiteral("a right click left 決定 usable"));
      });
  add(
      "map 決定", 15, [this] { return Visible(map()) && Enabled(map(), "btndecide"); },
      [this] {
        Click(map(), "btndecide");
        bool minutesOk = false, secondsOk = false;
        const int minutes = Text(main(), "txtJisahun").toInt(&minutesOk);
        const int seconds = Text(main(), "txtJisabyo").toInt(&secondsOk);
        if (Visible(map()) || !minutesOk || !secondsOk || minutes < -54 || minutes > 48 || seconds < 0 || seconds > 59)
          fail(QStringLiteral("決定 wrote '%1' '%2'").arg(Text(main(), "txtJisahun"), Text(main(), "txtJisabyo")));
      });
  add(
      "map 取消", 6, [this] { return Visible(map()) && Enabled(map(), "btncancel"); },
      [this] {
        Click(map(), "btncancel");
        if (Enabled(map(), "btndecide")) fail(QStringLiteral("取消 left 決定 usable"));
      });
  add(
      "map Close", 8, [this] { return Visible(map()); },
      [this] {
        const QString minutes = Text(main(), "txtJisahun"), seconds = Text(main(), "txtJisabyo");
        Click(map(), "btnClose");
        if (Visible(map()) || Text(main(), "txtJisahun") != minutes || Text(main(), "txtJisabyo") != seconds)
          fail(QStringLiteral("Close did not just hide the map"));
      });
  add(
      "map title-bar close", 4, [this] { return Visible(map()); },
      [this] {
        map()->close();
        settle();
        if (map() != nullptr || !window_->isVisible())
          fail(QStringLiteral("map kept, or main window hidden, after its title-bar close"));
      });

  // The year dialog (the main window is disabled while it is open).
  for (const char* century : {"y1800", "y1900", "y2000"})
    add(
        century, 25, [this] { return Visible(yearDialog()); }, [this, century] { Click(yearDialog(), century); });
  add(
      "year list click", 60, [this] { return Visible(yearDialog()); }, [this] { clickYearInList(); });
  add(
      "keys on year list", 10, [this] { return Visible(yearDialog()); },
      [this] {
        keyOnWidget(Control<QListWidget>(yearDialog(), "List1"),
                    {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown});
      });
  add(
      "btnSlok", 40, [this] { return Visible(yearDialog()); }, [this] { decideYear(); });
  add(
      "year dialog close request", 3, [this] { return Visible(yearDialog()); },
      [this] {
        yearDialog()->close();
        if (!Visible(yearDialog())) fail(QStringLiteral("the year dialog closed, leaving the main window disabled"));
      });

  // Menus by shortcut, the About box, and the exits.
  add("Ctrl+J", 4, always, [this] { pressShortcut(Qt::Key_J); });
  add("Ctrl+M", 3, always, [this] { pressShortcut(Qt::Key_M); });
  add("Ctrl+P", 3, always, [this] { pressShortcut(Qt::Key_P); });
  add("menuversion", 2, always, [this] { showAbout([this] { Control<QAction>(main(), "menuversion")->trigger(); }); });
  add(
      "endbtn", 1, always, [this] { expectEnded([this] { Click(main(), "endbtn"); }); }, true);
  add(
      "endmireto", 1, always, [this] { expectEnded([this] { Control<QAction>(main(), "endmireto")->trigger(); }); },
      true);
  add(
      "main title-bar close", 1, always, [this] { expectEnded([this] { window_->close(); }); }, true);
  return actions;
}

// The offscreen platform warns on every raise(); those lines would bury the
// seed and the counts.
QtMessageHandler previousHandler = nullptr;

void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
  previousHandler(type, context, message);
}

std::uint64_t SeedFromEnvironment() {
  bool ok = false;
  const qulonglong seed = qEnvironmentVariable("MIRETO_MONKEY_SEED").toULongLong(&ok);
  return ok ? seed : kDefaultSeed;
}

int ActionCountFromEnvironment() {
  bool ok = false;
  const int count = qEnvironmentVariable("MIRETO_MONKEY_ACTIONS").toInt(&ok);
  return ok && count > 0 ? count : kDefaultActions;
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void randomUserActions() {
    const std::uint64_t seed = SeedFromEnvironment();
    const int count = ActionCountFromEnvironment();
    qInfo("monkey seed %llu, %d actions (MIRETO_MONKEY_SEED / MIRETO_MONKEY_ACTIONS to change)",
          static_cast<unsigned long long>(seed), count);
    QElapsedTimer elapsed;
    elapsed.start();
    previousHandler = qInstallMessageHandler(QuietOffscreenWarnings);
    Monkey monkey(seed);
    monkey.run(count);
    qInstallMessageHandler(previousHandler);
    for (const auto& [name, n] : monkey.counts()) qInfo("  %-28s %5d", qPrintable(name), n);
    qInfo("monkey: %d actions in %lld ms; %d charts checked, %d refusals, %d minute retries, %d restarts",
          monkey.done(), static_cast<long long>(elapsed.elapsed()), monkey.charts(), monkey.refusals(),
          monkey.minuteRetries(), monkey.restarts());
    qInfo("  %d charts in summer time computed one hour earlier, %d followed by a sectional-term box",
          monkey.summerCharts(), monkey.boundaryBoxes());
    QVERIFY2(monkey.failure().isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(monkey.failure())));
    QCOMPARE(monkey.done(), count);
    // Every kind of action must have been exercised, or the walk proves little:
    // each at least a third as often as the default walk of 5,000 actions
    // sees it, scaled to this walk's length. A kind expected fewer than ten
    // times in this walk is not required of it (some come in bursts).
    struct Floor {
      const char* what;
      int per5000;  // seen in the default walk
      int seen;
    };
    const auto counted = [&](const char* name) {
      const auto it = monkey.counts().find(QString::fromUtf8(name));
      return it == monkey.counts().end() ? 0 : it->second;
    };
    const Floor floors[] = {
        {"charts checked", 587, monkey.charts()},
        {"refusals", 54, monkey.refusals()},
        {"restarts", 11, monkey.restarts()},
        {"summer-time charts", 26, monkey.summerCharts()},
        {"sectional-term boxes", 33, monkey.boundaryBoxes()},
        {"map 決定", 15, counted("map 決定")},
        {"btnpop", 90, counted("btnpop")},
        {"btnexport", 125, counted("btnexport")},
        {"menuversion", 12, counted("menuversion")},
        {"pop-up title-bar close", 23, counted("pop-up title-bar close")},
        {"preview title-bar close", 26, counted("preview title-bar close")},
        {"map title-bar close", 17, counted("map title-bar close")},
        {"map move", 31, counted("map move")},
    };
    for (const Floor& floor : floors) {
      const double expected = static_cast<double>(floor.per5000) * count / kDefaultActions;
      const int least = expected >= 10 ? static_cast<int>(expected / 3) : 0;
      QVERIFY2(floor.seen >= least, qPrintable(QStringLiteral("%1: %2 seen, at least %3 expected in %4 actions")
                                                   .arg(QString::fromUtf8(floor.what))
                                                   .arg(floor.seen)
                                                   .arg(least)
                                                   .arg(count)));
    }
  }
};

}  // namespace mireto::test

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  mireto::InitResources();
  mireto::InstallFontSubstitutions();
  mireto::test::MonkeyTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "monkey_test.moc"
