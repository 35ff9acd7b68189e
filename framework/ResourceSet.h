#pragma once

#include "ResourceTypes.h"

#include <string>

// The resources of a program, looked up by type and id. Each find returns null when the set
// has no resource of that type and id; what it returns lives as long as the set. A set that
// lacks a whole type simply keeps the default answer.
class CResourceSet {
public:
    virtual ~CResourceSet() = default;

    virtual const std::string* FindString(unsigned id) const;
    virtual const MenuTemplate* FindMenu(unsigned id) const;
    virtual const AcceleratorTable* FindAccelerators(unsigned id) const;
    virtual const DialogTemplate* FindDialog(unsigned id) const;
    virtual const IconGroup* FindIconGroup(unsigned id) const;
    virtual const CursorGroup* FindCursorGroup(unsigned id) const;
    virtual const ImageResource* FindBitmap(unsigned id) const;
    virtual const VersionInfo* FindVersion(unsigned id) const;
};

// The program's resources, installed once at start-up before anything loads from them. The
// set is not owned; null uninstalls it, and then every load finds nothing.
void AfxSetResourceSet(const CResourceSet* pResources);
const CResourceSet* AfxGetResourceSet();

// The string with this id; an empty text when it is missing.
std::string AfxLoadString(unsigned id);

// True and the text in out when the string exists (it may be empty); false, out unchanged,
// when it does not.
bool AfxLoadString(unsigned id, std::string& out);
