#include "app/worksheet_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpressionValidator>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "frame/information_box.h"
#include "frame/text_conversion.h"
#include "worksheet/worksheet_kinds.h"
#include "worksheet/worksheet_output.h"

namespace kalkora {
namespace {

using worksheet::WorksheetKind;

constexpr int kStartingTasks = 20;
// Room a line edit keeps around its text: frame, inner margins, cursor.
constexpr int kFieldMargins = 16;

QString NewSeed() { return QString::number(worksheet::NewSeed()); }

QString KindId(const WorksheetKind& kind) {
  return QString::fromLatin1(kind.id.data(), static_cast<qsizetype>(kind.id.size()));
}

// The widest title the dialog proposes, so that every one is seen whole.
int WidestCaptionWidth(const QWidget& field) {
  int widest = 0;
  for (const WorksheetKind& kind : worksheet::WorksheetKinds()) {
    for (int level = 1; level <= kind.levels; ++level) {
      widest = std::max(widest, field.fontMetrics().horizontalAdvance(
                                    ToQString(worksheet::WorksheetCaption(kind, level))));
    }
  }
  return widest;
}

}  // namespace

TfrmArbeitsblatt::TfrmArbeitsblatt(QWidget* parent) : QDialog(parent) {
  setObjectName("frmArbeitsblatt");
  setWindowTitle(QStringLiteral("Arbeitsblatt erstellen"));
  setWindowModality(Qt::ApplicationModal);

  cmbThema = new QComboBox(this);
  cmbThema->setObjectName("cmbThema");
  for (const WorksheetKind& kind : worksheet::WorksheetKinds()) {
    if (cmbThema->findText(ToQString(kind.topic)) < 0) cmbThema->addItem(ToQString(kind.topic));
  }
  cmbArt = new QComboBox(this);
  cmbArt->setObjectName("cmbArt");
  cmbStufe = new QComboBox(this);
  cmbStufe->setObjectName("cmbStufe");
  spnAnzahl = new QSpinBox(this);
  spnAnzahl->setObjectName("spnAnzahl");
  spnAnzahl->setRange(worksheet::kFewestTasks, worksheet::kMostTasks);
  spnAnzahl->setValue(kStartingTasks);
  edtTitel = new QLineEdit(this);
  edtTitel->setObjectName("edtTitel");
  edtTitel->setMinimumWidth(WidestCaptionWidth(*edtTitel) + kFieldMargins);
  chkLoesung = new QCheckBox(QStringLiteral("mit &Lösungsblatt"), this);
  chkLoesung->setObjectName("chkLoesung");
  chkLoesung->setChecked(true);
  edtStartwert = new QLineEdit(NewSeed(), this);
  edtStartwert->setObjectName("edtStartwert");
  edtStartwert->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,10}")), this));
  edtStartwert->setToolTip(
      QStringLiteral("Derselbe Startwert ergibt dasselbe Blatt wieder, ein anderer ein neues."));
  btnNeu = new QPushButton(QStringLiteral("&Neuer Startwert"), this);
  btnNeu->setObjectName("btnNeu");
  lblMeldung = new QLabel(this);
  lblMeldung->setObjectName("lblMeldung");
  lblMeldung->setWordWrap(true);
  btnPdf = new QPushButton(QStringLiteral("Als &PDF speichern …"), this);
  btnPdf->setObjectName("btnPdf");
  // Enter in a field saves; on a focused button it presses that button.
  btnPdf->setDefault(true);
  btnDrucken = new QPushButton(QStringLiteral("&Drucken …"), this);
  btnDrucken->setObjectName("btnDrucken");
  btnSchliessen = new QPushButton(QStringLiteral("S&chließen"), this);
  btnSchliessen->setObjectName("btnSchliessen");

  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(edtStartwert, 1);
  seedRow->addWidget(btnNeu);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Thema:"), cmbThema);
  form->addRow(QStringLiteral("&Art:"), cmbArt);
  form->addRow(QStringLiteral("&Stufe:"), cmbStufe);
  form->addRow(QStringLiteral("An&zahl der Aufgaben:"), spnAnzahl);
  form->addRow(QStringLiteral("Übe&rschrift:"), edtTitel);
  form->addRow(QString(), chkLoesung);
  auto* seedLabel = new QLabel(QStringLiteral("Start&wert:"), this);
  seedLabel->setBuddy(edtStartwert);
  form->addRow(seedLabel, seedRow);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnPdf);
  buttons->addWidget(btnDrucken);
  buttons->addStretch(1);
  buttons->addWidget(btnSchliessen);
  auto* page = new QVBoxLayout(this);
  page->addLayout(form);
  page->addWidget(lblMeldung);
  page->addLayout(buttons);

  connect(cmbThema, &QComboBox::currentIndexChanged, this, [this] { cmbThemaChange(); });
  connect(cmbArt, &QComboBox::currentIndexChanged, this, [this] { cmbArtChange(); });
  connect(cmbStufe, &QComboBox::currentIndexChanged, this, [this] { cmbStufeChange(); });
  connect(btnNeu, &QPushButton::clicked, this, [this] { btnNeuClick(); });
  connect(btnPdf, &QPushButton::clicked, this, [this] { btnPdfClick(); });
  connect(btnDrucken, &QPushButton::clicked, this, [this] { btnDruckenClick(); });
  connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::close);
  cmbThemaChange();
}

TfrmArbeitsblatt::~TfrmArbeitsblatt() = default;

const WorksheetKind& TfrmArbeitsblatt::kind() const {
  const WorksheetKind* kind =
      worksheet::FindWorksheetKind(cmbArt->currentData().toString().toStdString());
  return kind != nullptr ? *kind : worksheet::WorksheetKinds().front();
}

int TfrmArbeitsblatt::level() const { return std::max(1, cmbStufe->currentIndex() + 1); }

QString TfrmArbeitsblatt::caption() const {
  return ToQString(worksheet::WorksheetCaption(kind(), level()));
}

void TfrmArbeitsblatt::cmbThemaChange() {
  const QSignalBlocker blocker(cmbArt);
  cmbArt->clear();
  for (const WorksheetKind& kind : worksheet::WorksheetKinds()) {
    if (ToQString(kind.topic) == cmbThema->currentText()) {
      cmbArt->addItem(ToQString(kind.name), KindId(kind));
    }
  }
  cmbArtChange();
}

void TfrmArbeitsblatt::cmbArtChange() {
  const int chosen = cmbStufe->currentIndex();
  {
    const QSignalBlocker blocker(cmbStufe);
    cmbStufe->clear();
    for (int level = 1; level <= kind().levels; ++level) {
      cmbStufe->addItem(QStringLiteral("Stufe %1").arg(level));
    }
    cmbStufe->setCurrentIndex(std::clamp(chosen, 0, cmbStufe->count() - 1));
    cmbStufe->setEnabled(cmbStufe->count() > 1);
  }
  cmbStufeChange();
}

void TfrmArbeitsblatt::cmbStufeChange() {
  // The title follows the kind and level until the user writes one of their own.
  if (edtTitel->text().trimmed().isEmpty() || edtTitel->text() == shownCaption_) {
    edtTitel->setText(caption());
  }
  shownCaption_ = caption();
}

void TfrmArbeitsblatt::btnNeuClick() { edtStartwert->setText(NewSeed()); }

std::optional<worksheet::WorksheetRequest> TfrmArbeitsblatt::request() const {
  bool ok = false;
  const std::uint32_t seed = edtStartwert->text().toUInt(&ok);
  if (!ok) return std::nullopt;
  worksheet::WorksheetRequest request;
  request.kind = &kind();
  request.level = level();
  request.count = spnAnzahl->value();
  request.seed = seed;
  request.title = ToText(edtTitel->text().trimmed());
  request.withKey = chkLoesung->isChecked();
  return request;
}

std::optional<worksheet::Worksheet> TfrmArbeitsblatt::makeSheet() {
  const std::optional<worksheet::WorksheetRequest> choices = request();
  if (!choices) {
    ShowInformation(this, QStringLiteral("Der Startwert muss eine ganze Zahl von 0 bis "
                                         "4294967295 sein."));
    edtStartwert->setFocus();
    return std::nullopt;
  }
  return worksheet::MakeWorksheet(*choices);
}

void TfrmArbeitsblatt::btnPdfClick() {
  auto* dialog = new QFileDialog(this, QStringLiteral("Arbeitsblatt als PDF speichern"));
  dialog->setObjectName("dlgSpeichern");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilter(QStringLiteral("PDF-Dateien (*.pdf)"));
  dialog->setDefaultSuffix(QStringLiteral("pdf"));
  dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog->selectFile(QStringLiteral("%1-stufe-%2.pdf").arg(KindId(kind())).arg(level()));
  connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { savePdf(path); });
  dialog->open();
}

void TfrmArbeitsblatt::savePdf(const QString& path) {
  const std::optional<worksheet::Worksheet> sheet = makeSheet();
  if (!sheet) return;
  const QString error = worksheet::WriteWorksheetPdf(*sheet, path);
  if (!error.isEmpty()) {
    lblMeldung->clear();
    ShowInformation(this, error);
    return;
  }
  lblMeldung->setText(QStringLiteral("Gespeichert: %1").arg(QDir::toNativeSeparators(path)));
}

void TfrmArbeitsblatt::btnDruckenClick() {
  const std::optional<worksheet::Worksheet> sheet = makeSheet();
  if (!sheet) return;
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  worksheet::PreparePrinter(*printer_, *sheet);
  auto* dialog = new QPrintDialog(printer_.get(), this);
  dialog->setObjectName("dlgDrucken");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // The print dialog keeps the worksheet dialog blocked, so the sheet made here is the one
  // printed.
  connect(dialog, &QDialog::accepted, this, [this, made = *sheet] { print(made); });
  dialog->open();
}

void TfrmArbeitsblatt::print(const worksheet::Worksheet& sheet) {
  if (!worksheet::PrintWorksheet(*printer_, sheet)) {
    lblMeldung->clear();
    ShowInformation(this, QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden."));
    return;
  }
  lblMeldung->setText(QStringLiteral("Gedruckt: %1").arg(edtTitel->text().trimmed()));
}

}  // namespace kalkora
