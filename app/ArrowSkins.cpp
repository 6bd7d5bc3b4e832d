#include "app/ArrowSkins.h"

#include <algorithm>
#include <iterator>

namespace {
const char *const SecondArrowModels[] = {
    "KESTRALUX2", "VORTEK",   "QUASOR",     "ZEPHO FPS", "ZEPHO",    "NORVALINE", "NORVALINE3", "TOLMAR",
    "X517",       "K480-RGB", "X517-R6262", "SKORNVEL",  "K306",     "K307",      "K311-RGB",   "BRAVANT",
    "K312-PRO",   "K312-RGB", "K312-RGB2",  "TELVORN2",  "CALDRONE2", "HALBERK",
};
}

QStringList arrowSkins(bool up, const QString &model)
{
    const bool second = std::any_of(std::begin(SecondArrowModels), std::end(SecondArrowModels),
                                    [&](const char *name) { return model == QLatin1String(name); });
    const char *stem = up ? "btn_up" : "btn_down";
    const QString lit = QString::asprintf("/skin/%s%d.png", stem, second ? 3 : 1);
    return {QString::asprintf("/skin/%s%d.png", stem, second ? 4 : 2), lit, lit};
}
