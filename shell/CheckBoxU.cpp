#include "shell/CheckBoxU.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace Irisonde {

void SetCheckSilently(QCheckBox &box, bool checked)
{
    const QSignalBlocker quiet(box);
    box.setChecked(checked);
}

} // namespace Irisonde
