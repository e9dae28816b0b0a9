#include "workshops/QuadriU.h"

namespace Irisonde {

TQuadriF::TQuadriF(QWidget *parent)
    : TSepF(QuadriSeparation, parent)
{
}

} // namespace Irisonde
