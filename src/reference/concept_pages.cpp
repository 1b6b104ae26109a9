#include "reference/concept_pages.h"

#include <array>

#include "drawing/page.h"

namespace kalkora {

namespace {

constexpr TextRow L(double x, double y, int size, TextView text) {
  return {TextOp::MarkupLeft, x, y, size, text, TextColours::Markup};
}
constexpr TextRow T(double x, double y, int size, TextView text) {
  return {TextOp::TwoColour, x, y, size, text, TextColours::BlackRose};
}
constexpr TextRow C(double x, double y, int size, TextView text) {
  return {TextOp::Title, x, y, size, text, TextColours::BlackRose};
}
constexpr TextRow A(double x, double y, int size, TextView text) {
  return {TextOp::AlternatingCentred, x, y, size, text, TextColours::Markup};
}
constexpr TextRow M3(double x, double y, int size, TextView text) {
  return {TextOp::Markup3Centred, x, y, size, text, TextColours::Markup};
}
constexpr TextRow F(double x, double y, int size, TextView text) {
  return {TextOp::FractionExpression, x, y, size, text, TextColours::Black};
}

// Between "Definitionsmenge" and "Einteilung der Terme" imgDef1 gives the domains of the three
// fractions with a variable in the denominator.
const auto kTermsPage = std::to_array<PageItem>({
    L(-49, 35, 16, u"Was ist ein Term?"),
    T(-49, 31.5, 12,
      u"Ein Term ist ein #sinnvoller Rechenausdruck# (Rechenanweisung), in dem #Zahlen#, "
      u"#Variablen#, #Rechen–# und #Vorzeichen#"),
    L(-49, 29, 12, u"auftreten können."),
    L(-49, 26, 16, u"Beispiele"),
    L(-49, 22.5, 12, u"3·x + 2"),
    L(-40, 22.5, 12, u"2·z – 4"),
    L(-31, 22.5, 12, u"s^2 + 5·s·t + 2·t^2"),
    F(-15, 21.5, 12, u"{z + 2/3 - z}"),
    F(-5, 21.5, 12, u"{5/2}·b +{c/3}"),
    F(6, 21.5, 12, u"{3 + x/y}"),
    F(15, 21.5, 12, u"{2/a – 1}"),
    L(-49, 19, 16, u"Definitionsmenge"),
    L(-49, 15.5, 12,
      u"Es gibt Terme, wie in der oberen Zeile, bei denen nicht jede beliebige Zahl für die "
      u"Variable eingesetzt werden darf."),
    L(-49, 2, 16, u"Einteilung der Terme"),
    T(-49, -1.5, 12, u"Eingliedrige Terme (#Monome#)"),
    L(-20, -1.5, 12, u"z.B.: 3·x, –2·a·b"),
    T(-49, -4, 12, u"Zweigliedrige Terme (#Binome#)"),
    L(-20, -4, 12, u"z.B.: a + b, x – 3·y"),
    T(-49, -6.5, 12, u"Dreigliedrige Terme (#Trinome#)"),
    L(-20, -6.5, 12, u"z.B.: 5·a + b·c + 2·d, x – 2·y + 5·z"),
    T(-49, -9, 12, u"Mehrgliedrige Terme (#Polynome#)"),
    L(-20, -9, 12, u"z.B.: 5·a + b·c + 2·d + 1, x + 5·y – 3·z – 2·s + 9·t"),
    L(-49, -13, 16, u"Schreibweisen"),
    L(-49, -17, 12, u"T(x) = 5·x + 3"),
    L(-32, -17, 12, u"T(a) = 2 – 7·a"),
    L(-15, -17, 12, u"Sprich: T von x bzw. T von a"),
    L(-49, -19, 12, u"T(x,y) = –2·x + 3·y"),
    L(-32, -19, 12, u"T(a,b) = 12·a – 6·b"),
    L(-15, -19, 12, u"Sprich: T von x und y bzw. T von a und b"),
    L(-49, -23, 16, u"Bezeichnungen"),
    C(-2, -26, 12, u"Vorzahlen (#Koeffizienten#)"),
    C(0, -32.5, 20, u"#–9#·x + #8#·y"),
    // From the label down to the two coefficients.
    LineRow{-5, -28, -7, -31.5, 3, Ink::Black},
    LineRow{-2, -28, 0, -31.5, 3, Ink::Black},
});

const auto kPowersPage = std::to_array<PageItem>({
    L(-49, 35, 16, u"Potenzschreibweise"),
    L(-49, 30.75, 12, u"Die Formel für den Flächeninhalt eine Quadrats lautet:"),
    C(0, 27, 12, u"Das Multiplizieren gleicher Faktoren heißt #Potenzieren#."),
    L(-6, 31.5, 20, u"A = s·s"),
    L(15, 30.75, 12, u"Kürzere Schreibweise: "),
    L(35, 31.5, 20, u"A = s^2"),
    L(-49, 23, 16, u"Bezeichnungen"),
    // The power r^n in a pale green circle, its base and exponent named by pointer lines.
    CircleRow{0, 12, 5, 2, Ink::Black, Ink::PaleGreen},
    M3(0, 14.5, 36, u"#r#^_n_"),
    T(-22, 5, 16, u"Grundzahl (#Basis#)"),
    T(-10, 22, 16, u"Hochzahl (#Exponent#)"),
    L(-17, 14, 16, u"Potenz"),
    LineRow{-7, 5, -2.2, 11, 3, Ink::Rose},
    LineRow{1.5, 15.5, 3.5, 19.3, 3, Ink::Blue},
    LineRow{-9, 12.7, -4, 12.7, 3, Ink::DarkGreen},
    L(-49, 1, 16, u"Sprechweise"),
    A(0, -3, 16, u"7^2 ist #7 Quadrat# oder #7 hoch 2#"),
    A(0, -7, 16, u"4^3 ist #4 zur Dritten# oder #4 hoch 3#"),
    A(0, -11, 16, u"5,2^4 ist #5,2 zur Vierten# oder #5,2 hoch 4#"),
    L(-49, -16, 16, u"Potenzieren negativer Zahlen"),
    T(-49, -20, 12,
      u"Eine #Potenz# einer negativen Zahl ergibt eine #positive Zahl#, wenn die "
      u"#Hochzahl gerade# ist."),
    T(-49, -25, 12,
      u"Eine #Potenz# einer negativen Zahl ergibt eine #negative Zahl#, wenn die "
      u"#Hochzahl ungerade# ist."),
    T(25, -20, 14, u"(–2)^2 = (–2)·(–2) = +4"),
    T(25, -25, 14, u"(–2)^3 = (–2)·(–2)·(–2) = –8"),
});

// Below the last line imgDef2 lists the condition and the domain of each of the seven examples.
const auto kFractionsPage = std::to_array<PageItem>({
    L(-49, 35, 16, u"Was ist ein Bruchterm"),
    T(-49, 31.5, 12, u"Terme in denen im Nenner Variablen auftreten, nennt man #Bruchterme#."),
    L(-49, 26, 16, u"Beispiele"),
    F(-49, 21, 12, u"{2·x + 5/x – 2}"),
    F(-39, 21, 12, u"{y – 7/3·y}"),
    F(-29, 21, 12, u"{r – 2·s/s + 2·r}"),
    F(-19, 21, 12, u"{5/2·a – 3·b}"),
    F(-8, 21, 12, u"{3·c + 5 d/–5·c – 7·d}"),
    F(4, 21, 12, u"{18·x^2 + 18·x/27·x}"),
    F(18, 21, 12, u"{3·z^3 – 27·z/6·z^2 + 18·z}"),
    L(-49, 16, 16, u"Definitionsmenge"),
    L(-49, 12, 12,
      u"Für die Variablen in den obigen Termen dürfen nicht alle Zahlen engesetzt werden."),
});

}  // namespace

std::span<const PageItem> ConceptPageItems(int topic) {
  switch (topic) {
    case 1: return kTermsPage;
    case 2: return kPowersPage;
    case 3: return kFractionsPage;
    default: return {};
  }
}

void SetConceptPage() { SetPage(-50, 50, -35, 35, 1000, 700); }

void DrawConceptPage(QPainter& canvas, int topic) {
  SetConceptPage();
  DrawPageItems(canvas, ConceptPageItems(topic));
}

ConceptPictures PicturesOfTopic(int topic) {
  return {.imgDef1 = topic == 1, .imgDef2 = topic == 3};
}

}  // namespace kalkora
