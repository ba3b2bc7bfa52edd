#include "cli/ToolFailure.h"

void FailUsage(const QString &message)
{
    throw ToolFailure{ExitStatus::WrongUsage, message};
}

void Fail(const QString &message)
{
    throw ToolFailure{ExitStatus::Failed, message};
}
