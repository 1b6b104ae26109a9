// The dialog "Arbeitsblatt erstellen", as a teacher uses it: opened from the main window's
// menu, the kinds of the exercise menus, the title, the seed, saving and printing.

#include "app/worksheet_dialog.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "frame/information_box.h"
#include "pdf_reading.h"
#include "program_test.h"
#include "worksheet/sheet_layout.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

class WorksheetDialogTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { information_ << text; });
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    ProgramTest::TearDown();
  }

  TfrmArbeitsblatt& open() {
    clickMenu("menArbeitsblattErstellen");
    TfrmArbeitsblatt* dialog = mainWindow().frmArbeitsblatt();
    EXPECT_NE(dialog, nullptr);
    return *dialog;
  }

  // Chooses an entry of a combo box with the arrow keys, as from the keyboard.
  static void choose(QComboBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int step = 0; step < box->count() && box->currentText() != text; ++step) {
      QTest::keyClick(box, Qt::Key_Down);
    }
    ASSERT_EQ(box->currentText(), text);
  }

  static void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }

  QStringList information_;
};

// A caption as it is shown: the "&" before the underlined letter left out.
QString Shown(const QAbstractButton* button) { return button->text().remove(u'&'); }

QStringList Texts(const QComboBox* box) {
  QStringList texts;
  for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

TEST_F(WorksheetDialogTest, OpensOverTheMainWindowWithItsChoices) {
  TfrmArbeitsblatt& dialog = open();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Arbeitsblatt erstellen"));
  EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(Texts(dialog.cmbThema), (QStringList{"Terme", "Potenzen", "Bruchterme"}));
  EXPECT_EQ(dialog.cmbArt->currentText(), QStringLiteral("Einsetzen"));
  EXPECT_EQ(Texts(dialog.cmbStufe), (QStringList{"Stufe 1", "Stufe 2", "Stufe 3"}));
  EXPECT_EQ(dialog.spnAnzahl->minimum(), 5);
  EXPECT_EQ(dialog.spnAnzahl->maximum(), 40);
  EXPECT_EQ(dialog.edtTitel->text(), QStringLiteral("Terme – Einsetzen (Stufe 1)"));
  EXPECT_TRUE(dialog.chkLoesung->isChecked());
  EXPECT_EQ(Shown(dialog.chkLoesung), QStringLiteral("mit Lösungsblatt"));
  bool number = false;
  dialog.edtStartwert->text().toUInt(&number);
  EXPECT_TRUE(number);
  EXPECT_EQ(Shown(dialog.btnPdf), QStringLiteral("Als PDF speichern …"));
  EXPECT_EQ(Shown(dialog.btnDrucken), QStringLiteral("Drucken …"));

  QTest::mouseClick(dialog.btnSchliessen, Qt::LeftButton);
  ProcessEvents();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
}

// The kinds of each topic are the exercise menu's commands, with their levels and titles.
TEST_F(WorksheetDialogTest, OffersTheKindsAndLevelsOfTheExerciseMenus) {
  TfrmArbeitsblatt& dialog = open();
  const std::vector<std::pair<QString, QString>> menus{
      {"Terme", "menTermU"}, {"Potenzen", "menPotenzU"}, {"Bruchterme", "menBruchU"}};
  for (const auto& [topic, menuName] : menus) {
    SCOPED_TRACE(topic.toStdString());
    choose(dialog.cmbThema, topic);
    const auto* menu = mainWindow().mainMenu()->findChild<QMenu*>(menuName);
    ASSERT_NE(menu, nullptr);
    QStringList commands;
    for (const QAction* command : menu->actions()) commands << command->text();
    EXPECT_EQ(Texts(dialog.cmbArt), commands);
    for (const QAction* command : menu->actions()) {
      choose(dialog.cmbArt, command->text());
      const int levels = command->menu() != nullptr ? command->menu()->actions().size() : 1;
      EXPECT_EQ(dialog.cmbStufe->count(), levels) << command->text().toStdString();
      EXPECT_EQ(dialog.cmbStufe->isEnabled(), levels > 1);
      // Every proposed title is seen whole, the longest too.
      for (int level = 1; level <= levels; ++level) {
        dialog.cmbStufe->setCurrentIndex(level - 1);
        const QLineEdit& title = *dialog.edtTitel;
        EXPECT_LE(title.fontMetrics().horizontalAdvance(title.text()),
                  title.contentsRect().width() - 8)
            << title.text().toStdString();
      }
    }
  }
}

TEST_F(WorksheetDialogTest, TheTitleFollowsKindAndLevelUntilOneIsWritten) {
  TfrmArbeitsblatt& dialog = open();
  choose(dialog.cmbThema, "Potenzen");
  choose(dialog.cmbArt, "Dividieren");
  choose(dialog.cmbStufe, "Stufe 3");
  EXPECT_EQ(dialog.edtTitel->text(), QStringLiteral("Potenzen – Dividieren (Stufe 3)"));
  choose(dialog.cmbArt, "Potenzieren");  // the level stays
  EXPECT_EQ(dialog.edtTitel->text(), QStringLiteral("Potenzen – Potenzieren (Stufe 3)"));
  choose(dialog.cmbThema, "Bruchterme");
  choose(dialog.cmbArt, "Kürzen");
  EXPECT_EQ(dialog.edtTitel->text(), QStringLiteral("Bruchterme – Kürzen"));

  typeInto(dialog.edtTitel, "Schularbeit 2b");
  choose(dialog.cmbArt, "kgV");
  EXPECT_EQ(dialog.edtTitel->text(), QStringLiteral("Schularbeit 2b"));
  ASSERT_TRUE(dialog.request().has_value());
  EXPECT_EQ(dialog.request()->title, u"Schularbeit 2b");
  EXPECT_EQ(dialog.request()->kind->id, "bruchterme-kgv");

  typeInto(dialog.edtTitel, "");  // an empty title follows again
  choose(dialog.cmbArt, "Dividieren durch Terme");
  EXPECT_EQ(dialog.edtTitel->text(),
            QStringLiteral("Bruchterme – Dividieren durch Terme (Stufe 1)"));
}

TEST_F(WorksheetDialogTest, TheSeedIsShownAndTakesOnlyDigits) {
  TfrmArbeitsblatt& dialog = open();
  typeInto(dialog.edtStartwert, "12ab34");
  EXPECT_EQ(dialog.edtStartwert->text(), QStringLiteral("1234"));
  ASSERT_TRUE(dialog.request().has_value());
  EXPECT_EQ(dialog.request()->seed, 1234u);
  typeInto(dialog.edtStartwert, "9999999999");
  EXPECT_FALSE(dialog.request().has_value());
  // "Neuer Startwert" shows another one (the clock never stands still between clicks).
  QStringList seeds;
  for (int click = 0; click < 3; ++click) {
    QTest::mouseClick(dialog.btnNeu, Qt::LeftButton);
    seeds << dialog.edtStartwert->text();
  }
  seeds.removeDuplicates();
  EXPECT_GT(seeds.size(), 1);
}

TEST_F(WorksheetDialogTest, SavesTheSheetAsPdfThroughTheFileDialog) {
  const QTemporaryDir folder;
  TfrmArbeitsblatt& dialog = open();
  choose(dialog.cmbThema, "Bruchterme");
  choose(dialog.cmbArt, "Multiplizieren");
  choose(dialog.cmbStufe, "Stufe 2");
  dialog.spnAnzahl->setFocus();
  dialog.spnAnzahl->selectAll();
  QTest::keyClicks(dialog.spnAnzahl, "12");
  typeInto(dialog.edtStartwert, "4711");
  QTest::mouseClick(dialog.btnPdf, Qt::LeftButton);
  ProcessEvents();

  auto* files = test::ShownDialog<QFileDialog>("dlgSpeichern");
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
  const QString path = folder.filePath(QStringLiteral("multiplizieren.pdf"));
  auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), QStringLiteral("bruchterme-multiplizieren-stufe-2.pdf"));
  typeInto(name, path);
  QTest::keyClick(name, Qt::Key_Return);  // "Speichern"
  ProcessEvents();

  EXPECT_TRUE(information_.isEmpty()) << information_.join(u'\n').toStdString();
  const std::optional<test::PdfInfo> info = test::ReadPdfInfo(path);
  ASSERT_TRUE(info.has_value());
  worksheet::WorksheetRequest request;
  request.kind = worksheet::FindWorksheetKind("bruchterme-multiplizieren");
  request.level = 2;
  request.count = 12;
  request.seed = 4711;
  const worksheet::Worksheet sheet = worksheet::MakeWorksheet(request);
  EXPECT_EQ(info->pages, static_cast<int>(worksheet::LayOutWorksheet(sheet).pages.size()));
  EXPECT_EQ(info->title, QStringLiteral("Bruchterme – Multiplizieren (Stufe 2)"));
  EXPECT_EQ(dialog.lblMeldung->text(), QStringLiteral("Gespeichert: %1").arg(path));
}

TEST_F(WorksheetDialogTest, ABadSeedIsExplainedAndNothingIsWritten) {
  const QTemporaryDir folder;
  TfrmArbeitsblatt& dialog = open();
  typeInto(dialog.edtStartwert, "");
  QTest::mouseClick(dialog.btnPdf, Qt::LeftButton);
  ProcessEvents();
  auto* files = test::ShownDialog<QFileDialog>("dlgSpeichern");
  ASSERT_NE(files, nullptr);
  auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name, nullptr);
  typeInto(name, folder.filePath(QStringLiteral("blatt.pdf")));
  QTest::keyClick(name, Qt::Key_Return);  // "Speichern"
  ProcessEvents();
  EXPECT_EQ(
      information_,
      QStringList{QStringLiteral("Der Startwert muss eine ganze Zahl von 0 bis 4294967295 sein.")});
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_EQ(dialog.lblMeldung->text(), QString());
}

TEST_F(WorksheetDialogTest, PrintsThroughThePrintDialog) {
  const QTemporaryDir folder;
  TfrmArbeitsblatt& dialog = open();
  choose(dialog.cmbThema, "Potenzen");
  typeInto(dialog.edtStartwert, "8");
  dialog.chkLoesung->setFocus();
  QTest::keyClick(dialog.chkLoesung, Qt::Key_Space);  // without the key
  EXPECT_FALSE(dialog.chkLoesung->isChecked());
  QTest::mouseClick(dialog.btnDrucken, Qt::LeftButton);
  ProcessEvents();

  auto* print = test::ShownDialog<QPrintDialog>("dlgDrucken");
  ASSERT_NE(print, nullptr);
  // No printer here but the dialog's own "Print to File (PDF)": into this file.
  const QString path = folder.filePath(QStringLiteral("gedruckt.pdf"));
  auto* printers = print->findChild<QComboBox*>(QStringLiteral("printers"));
  ASSERT_NE(printers, nullptr);
  choose(printers, QStringLiteral("Print to File (PDF)"));
  auto* file = print->findChild<QLineEdit*>(QStringLiteral("filename"));
  ASSERT_NE(file, nullptr);
  typeInto(file, path);
  static_cast<QDialog*>(print)->accept();  // "Drucken"
  ProcessEvents();

  const std::optional<test::PdfInfo> info = test::ReadPdfInfo(path);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->pages, 1);  // 20 power tasks on one page, no key
  EXPECT_EQ(dialog.lblMeldung->text(),
            QStringLiteral("Gedruckt: Potenzen – Multiplizieren (Stufe 1)"));
  EXPECT_TRUE(information_.isEmpty());

  // A printer that cannot print (here a file in a folder that does not exist) is reported.
  QTest::mouseClick(dialog.btnDrucken, Qt::LeftButton);
  ProcessEvents();
  print = test::ShownDialog<QPrintDialog>("dlgDrucken");
  ASSERT_NE(print, nullptr);
  typeInto(print->findChild<QLineEdit*>(QStringLiteral("filename")),
           folder.filePath(QStringLiteral("fehlt/gedruckt.pdf")));
  static_cast<QDialog*>(print)->accept();
  ProcessEvents();
  EXPECT_EQ(information_,
            QStringList{QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden.")});
  EXPECT_EQ(dialog.lblMeldung->text(), QString());
}

}  // namespace
}  // namespace kalkora
