#include "store/phrasemerge.h"
namespace PhraseMerge {
Result merge(const Side &, const Side &ours, const Side &theirs, const QString &)
{
    Result r;
    r.phrases = theirs.phrases;
    r.settings = theirs.settings;
    r.oursChanged = true;
    (void)ours;
    return r;
}
} // namespace PhraseMerge
