#include "TarvelinResources.h"

#include "Resource.h"
#include "ResourceParts.h"

#include <map>

namespace {

template <typename T>
const T* FindIn(const std::map<unsigned, T>& table, unsigned id)
{
    const auto found = table.find(id);
    return found != table.end() ? &found->second : nullptr;
}

class CTarvelinResourceSet : public CResourceSet {
public:
    CTarvelinResourceSet()
        : m_strings(BuildStringTable()),
          m_menus{{IDR_MAINFRAME, BuildMainMenu()}},
          m_accelerators{{IDR_MAINFRAME, BuildMainAccelerators()}},
          m_dialogs{{IDD_ABOUTBOX, BuildAboutDialog()}, {AFX_IDD_NEWTYPEDLG, BuildNewTypeDialog()}},
          m_icons{{IDR_MAINFRAME, DrawApplicationIcon()}, {IDR_TARVELTYPE, DrawDocumentIcon()}},
          m_cursors{{AFX_IDC_CONTEXTHELP, DrawContextHelpCursor()}},
          m_bitmaps{{CTL3D_3DCHECK, Draw3dCheckBitmap()},
                    {AFX_IDB_MINIFRAME_MENU, DrawMiniFrameMenuBitmap()},
                    {AFX_IDB_CHECKLISTBOX_NT, DrawCheckListBoxNtBitmap()},
                    {AFX_IDB_CHECKLISTBOX_95, DrawCheckListBox95Bitmap()}},
          m_versions{{VS_VERSION_INFO, BuildVersionInfo()}}
    {
    }

    const std::string* FindString(unsigned id) const override { return FindIn(m_strings, id); }
    const MenuTemplate* FindMenu(unsigned id) const override { return FindIn(m_menus, id); }
    const AcceleratorTable* FindAccelerators(unsigned id) const override { return FindIn(m_accelerators, id); }
    const DialogTemplate* FindDialog(unsigned id) const override { return FindIn(m_dialogs, id); }
    const IconGroup* FindIconGroup(unsigned id) const override { return FindIn(m_icons, id); }
    const CursorGroup* FindCursorGroup(unsigned id) const override { return FindIn(m_cursors, id); }
    const ImageResource* FindBitmap(unsigned id) const override { return FindIn(m_bitmaps, id); }
    const VersionInfo* FindVersion(unsigned id) const override { return FindIn(m_versions, id); }

private:
    std::map<unsigned, std::string> m_strings;
    std::map<unsigned, MenuTemplate> m_menus;
    std::map<unsigned, AcceleratorTable> m_accelerators;
    std::map<unsigned, DialogTemplate> m_dialogs;
    std::map<unsigned, IconGroup> m_icons;
    std::map<unsigned, CursorGroup> m_cursors;
    std::map<unsigned, ImageResource> m_bitmaps;
    std::map<unsigned, VersionInfo> m_versions;
};

}  // namespace

const CResourceSet& TarvelinResources()
{
    static const CTarvelinResourceSet resources;
    return resources;
}
