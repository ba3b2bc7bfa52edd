#pragma once

#include <QString>

// The text of vellumo-album --help: every command, option and exit status.
QString UsageText();
