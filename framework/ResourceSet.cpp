#include "ResourceSet.h"

#include <atomic>

const std::string* CResourceSet::FindString(unsigned) const { return nullptr; }
const MenuTemplate* CResourceSet::FindMenu(unsigned) const { return nullptr; }
const AcceleratorTable* CResourceSet::FindAccelerators(unsigned) const { return nullptr; }
const DialogTemplate* CResourceSet::FindDialog(unsigned) const { return nullptr; }
const IconGroup* CResourceSet::FindIconGroup(unsigned) const { return nullptr; }
const CursorGroup* CResourceSet::FindCursorGroup(unsigned) const { return nullptr; }
const ImageResource* CResourceSet::FindBitmap(unsigned) const { return nullptr; }
const VersionInfo* CResourceSet::FindVersion(unsigned) const { return nullptr; }

namespace {

// Atomic so that a signal handler or a stray thread never sees a torn pointer.
std::atomic<const CResourceSet*> g_pResources{nullptr};

}  // namespace

void AfxSetResourceSet(const CResourceSet* pResources) { g_pResources.store(pResources); }

const CResourceSet* AfxGetResourceSet() { return g_pResources.load(); }

bool AfxLoadString(unsigned id, std::string& out)
{
    const CResourceSet* pResources = AfxGetResourceSet();
    const std::string* pText = pResources != nullptr ? pResources->FindString(id) : nullptr;
    if (pText == nullptr)
        return false;
    out = *pText;
    return true;
}

std::string AfxLoadString(unsigned id)
{
    std::string text;
    AfxLoadString(id, text);
    return text;
}
