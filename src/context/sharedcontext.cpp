#include "context/sharedcontext.h"

SharedContext &SharedContext::instance()
{
    static SharedContext context;
    return context;
}

void SharedContext::reset()
{
    instance() = SharedContext();
}

QString SharedContext::mode(int index)
{
    switch (index) {
    case 0: return QStringLiteral("INSTRUCTIONS");
    case 1: return QStringLiteral("TRAINING");
    case 2: return QStringLiteral("PAUSE");
    case 3: return QStringLiteral("ERROR");
    default: return QString();
    }
}
