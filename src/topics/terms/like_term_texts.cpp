#include "topics/terms/like_term_texts.h"

namespace kalkora::terms_topic {

Text LikeTermAnswerPrefix(const TTerm& item) { return item.TermAnzeige + u" = "; }

std::vector<Text> LikeTermExampleLines(const TTerm& item, int level) {
  std::vector<Text> lines;
  if (level == 1) lines.push_back(item.Einsetzung + u" = " + item.Ergebnis);
  lines.push_back(item.Term + u" = " + item.LoesungMarkiert);
  return lines;
}

}  // namespace kalkora::terms_topic
