#pragma once
// frmArbeitsblatt, the dialog "Arbeitsblatt erstellen": a worksheet of an exercise kind and
// level with a number of tasks, a title, with or without its key, from a seed shown so that
// the same sheet can be made again. It saves the sheet as a PDF file or prints it. The sheet
// itself is made and laid out by worksheet/; the dialog only collects the choices.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>
#include <optional>

#include "worksheet/worksheet.h"

class QPrinter;

namespace kalkora {

class TfrmArbeitsblatt : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmArbeitsblatt(QWidget* parent);
  ~TfrmArbeitsblatt() override;

  // The sheet the dialog's choices make; none while the seed is not a number it can use.
  std::optional<worksheet::WorksheetRequest> request() const;

  QComboBox* cmbThema = nullptr;
  QComboBox* cmbArt = nullptr;
  QComboBox* cmbStufe = nullptr;
  QSpinBox* spnAnzahl = nullptr;
  QLineEdit* edtTitel = nullptr;
  QCheckBox* chkLoesung = nullptr;
  QLineEdit* edtStartwert = nullptr;
  QPushButton* btnNeu = nullptr;
  QPushButton* btnPdf = nullptr;
  QPushButton* btnDrucken = nullptr;
  QPushButton* btnSchliessen = nullptr;
  QLabel* lblMeldung = nullptr;  // what was saved or printed last

 private:
  void cmbThemaChange();
  void cmbArtChange();
  void cmbStufeChange();
  void btnNeuClick();
  void btnPdfClick();
  void btnDruckenClick();

  const worksheet::WorksheetKind& kind() const;
  int level() const;
  QString caption() const;
  // The sheet of the choices, or none after telling the user why not.
  std::optional<worksheet::Worksheet> makeSheet();
  void savePdf(const QString& path);
  void print(const worksheet::Worksheet& sheet);

  QString shownCaption_;  // the caption the title line showed last
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace kalkora
