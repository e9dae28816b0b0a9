#include "workshops/RGBU.h"

namespace Irisonde {

TRGBF::TRGBF(QWidget *parent)
    : TSepF(RGBSeparation, parent)
{
}

} // namespace Irisonde
