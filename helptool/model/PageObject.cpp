#include "model/PageObject.h"

#include "model/LinkObject.h"

TPageObject::~TPageObject() {
    for (int i = 0; i < Links.Count(); ++i) Free(Links.Objects(i));
}

TLinkObject* LinkAt(const TStrings& links, int index) { return static_cast<TLinkObject*>(links.Objects(index)); }
