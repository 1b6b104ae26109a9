#include "worksheet_shots.h"

#include <QImage>
#include <QPainter>
#include <cmath>

#include "app/worksheet_dialog.h"
#include "learner_moves.h"
#include "worksheet/sheet_layout.h"
#include "worksheet/sheet_painting.h"

namespace kalkora::screenshot {
namespace {

constexpr int kTasks = 20;

struct SheetChoice {
  const char* file;   // the picture's name: "arbeitsblatt-" file "-aufgaben" / "-loesungen"
  const char* topic;  // as the dialog offers them
  const char* kind;
  int level;
};

void Choose(QComboBox* box, const QString& text) {
  box->setCurrentIndex(box->findText(text));
  Settle();
}

// Makes the choices in the dialog as a teacher would; the seed is the screenshots' one.
std::function<void(QWidget&)> Chosen(const SheetChoice& choice) {
  return [choice](QWidget& window) {
    auto& dialog = static_cast<TfrmArbeitsblatt&>(window);
    Choose(dialog.cmbThema, QString::fromUtf8(choice.topic));
    Choose(dialog.cmbArt, QString::fromUtf8(choice.kind));
    Choose(dialog.cmbStufe, QStringLiteral("Stufe %1").arg(choice.level));
    dialog.spnAnzahl->setValue(kTasks);
    dialog.edtStartwert->setText(QString::number(kScreenshotSeed));
  };
}

// The first page of a section of the sheet the dialog's choices make, as it is printed.
std::function<QImage(QWidget&)> FirstPageOf(worksheet::Section section) {
  return [section](QWidget& window) {
    const auto& dialog = static_cast<const TfrmArbeitsblatt&>(window);
    const worksheet::Worksheet sheet = worksheet::MakeWorksheet(*dialog.request());
    const worksheet::SheetLayout layout = worksheet::LayOutWorksheet(sheet);
    QImage page(static_cast<int>(std::ceil(layout.paper.width())),
                static_cast<int>(std::ceil(layout.paper.height())), QImage::Format_RGB32);
    page.fill(Qt::white);
    for (std::size_t i = 0; i < layout.pages.size(); ++i) {
      if (layout.pages[i].section != section) continue;
      QPainter painter(&page);
      painter.setRenderHint(QPainter::Antialiasing);
      worksheet::PaintSheetPage(painter, sheet, layout, i);
      break;
    }
    return page;
  };
}

// The dialog as it opens, with the screenshots' seed in place of one from the clock.
void SeedShown(QWidget& window) {
  static_cast<TfrmArbeitsblatt&>(window).edtStartwert->setText(QString::number(kScreenshotSeed));
}

}  // namespace

std::vector<Shot> WorksheetShots() {
  const QString menu = QStringLiteral("menArbeitsblattErstellen");
  std::vector<Shot> shots{
      {"arbeitsblatt-dialog", menu, SeedShown},
      {"arbeitsblatt-dialog-gewaehlt", menu,
       Chosen({"", "Bruchterme", "Addieren/Subtrahieren (ungleichnamig)", 2})},
  };
  for (const SheetChoice& choice : {
           SheetChoice{"einsetzen-stufe2", "Terme", "Einsetzen", 2},
           SheetChoice{"ergaenzen-stufe3", "Terme", "Formeln ergänzen", 3},
           SheetChoice{"potenzen-dividieren-stufe3", "Potenzen", "Dividieren", 3},
           SheetChoice{"potenzen-potenzieren-stufe3", "Potenzen", "Potenzieren", 3},
           SheetChoice{"definitionsmenge", "Bruchterme", "Definitionsmenge", 1},
           SheetChoice{"ungleichnamig-stufe3", "Bruchterme",
                       "Addieren/Subtrahieren (ungleichnamig)", 3},
           SheetChoice{"dividieren-durch-terme-stufe3", "Bruchterme", "Dividieren durch Terme", 3},
       }) {
    const QString name = QStringLiteral("arbeitsblatt-%1").arg(QString::fromUtf8(choice.file));
    shots.push_back({name + QStringLiteral("-aufgaben"),
                     menu,
                     Chosen(choice),
                     {},
                     FirstPageOf(worksheet::Section::Tasks)});
    shots.push_back({name + QStringLiteral("-loesungen"),
                     menu,
                     Chosen(choice),
                     {},
                     FirstPageOf(worksheet::Section::Key)});
  }
  return shots;
}

}  // namespace kalkora::screenshot
