#include "model/Globals.h"

#include "model/TOCObject.h"

TGlobals::~TGlobals() { ClearToc(); }

void TGlobals::ClearToc() {
    for (int i = 0; i < TocList.Count(); ++i) Free(TocList.Objects(i));
    TocList.Clear();
}

TTocObject* TocAt(const TStrings& tocList, int index) { return static_cast<TTocObject*>(tocList.Objects(index)); }
