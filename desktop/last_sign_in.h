#pragma once

#include "records/form_welcome.h"

class QSettings;

namespace quintel {

// The welcome screen offers the name and options of the last sign-in, this run's or an earlier
// run's, kept in `settings`; with nothing kept it starts in its design state. The settings must
// outlive the screen's sign-ins.
void keepLastSignIn(FormWelcome& welcome, QSettings& settings);

} // namespace quintel
