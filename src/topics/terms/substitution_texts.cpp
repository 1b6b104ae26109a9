#include "topics/terms/substitution_texts.h"

namespace kalkora::terms_topic {
namespace {

Text Head(TextView first, TextView second) {
  Text head{u"T("};
  head += first;
  if (!second.empty()) {
    head += u", ";
    head += second;
  }
  head += u')';
  return head;
}

}  // namespace

Text SubstitutionFunctionHead(const TTerm& item, int level) {
  if (level == 3) return u"T(x)";
  const Text first(1, item.Var1);
  return level == 2 ? Head(first, Text(1, item.Var2)) : Head(first, {});
}

Text SubstitutionValuesHead(const TTerm& item, int level) {
  return level == 2 ? Head(item.Wert1Text, item.Wert2Text) : Head(item.Wert1Text, {});
}

Text SubstitutionTaskText(const TTerm& item, int level) {
  Text task = SubstitutionFunctionHead(item, level);
  task += u" = ";
  task += level == 3 ? item.Term : item.TermAnzeige;
  return task;
}

Text SubstitutionAnswerPrefix(const TTerm& item, int level) {
  return SubstitutionValuesHead(item, level) + u" = ";
}

Text SubstitutionOpenPrefix(const TTerm& item, int level) {
  if (level != 3) return SubstitutionValuesHead(item, level) + u" =";
  Text prefix{u"T(#"};
  prefix += item.Wert1Text;
  prefix += u"#) =";
  return prefix;
}

SubstitutionExampleLines SubstitutionExample(const TTerm& item, int level) {
  SubstitutionExampleLines lines;
  lines.term = SubstitutionTaskText(item, level);
  lines.given = u"Geg.: " + lines.term;
  lines.wanted = u"Ges.: " + SubstitutionValuesHead(item, level);
  lines.result = SubstitutionAnswerPrefix(item, level) + item.Ergebnis;

  lines.substitution = u"T(#" + item.Wert1Text + u'#';
  if (level == 2) lines.substitution += u", #" + item.Wert2Text + u'#';
  lines.substitution += u") = ";
  if (level == 3) {
    lines.substitution += item.TermAnzeige;  // the new term already stands marked in place of x
  } else {
    lines.substitution += item.Einsetzung + u" = " + item.Ergebnis;
  }
  return lines;
}

}  // namespace kalkora::terms_topic
