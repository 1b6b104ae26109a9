#pragma once
// The title page of the main window: dark red stripes with thin black lines, the title
// "Kalkora" and its subtitle in white, the picture of sample terms in the middle and the
// version line at the bottom.

#include <QByteArrayView>
#include <QImage>
#include <QObject>
#include <QSize>

class QLabel;
class QPainter;
class QWidget;

namespace kalkora {

// The stripes and lines of the main window's own canvas, in client coordinates, over a window
// of this outer size: 7-pixel stripes every 5 rows from RGB(60, 0, 0) growing by 1 per stripe,
// then 1-pixel black lines every 7 rows.
void DrawTitleStripes(QPainter& canvas, QSize outer);

// The title and subtitle on the canvas of pntText (sets the title page).
void DrawTitleTexts(QPainter& canvas);

// The JPEG data of the sample-terms picture, from the program's resources.
QByteArray SampleTermsJpeg();

// Shows the picture decoded from `jpeg` on imgTerm; data that cannot be read leaves imgTerm
// empty, so that the page shows without the picture.
void ShowSampleTerms(QLabel& imgTerm, QByteArrayView jpeg);

// Starts decoding the sample-terms picture on a worker thread. Decoding needs nothing of the
// toolkit, so the start (PrepareApplication) lets it run while the fonts are registered.
void StartDecodingSampleTerms();
// The decoded sample-terms picture: the worker's, once, when it was started; else decoded now.
// A null image when the data cannot be read.
QImage SampleTermsPicture();

// The controls of the title page on the main window's client area: pntText (8, 8,
// 1001 × 705), imgTerm (288, 192, 440 × 440) and lblVersion along the bottom edge.
class TitlePage : public QObject {
 public:
  explicit TitlePage(QWidget* clientArea);

  QWidget* pntText() const { return pntText_; }
  QLabel* imgTerm() const { return imgTerm_; }
  QLabel* lblVersion() const { return lblVersion_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeVersionLabel();

  QWidget* clientArea_;
  QWidget* pntText_;
  QLabel* imgTerm_;
  QLabel* lblVersion_;
};

}  // namespace kalkora
