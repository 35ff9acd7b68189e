#pragma once

// Runtime-class records: every framework object can say what class it is, and classes that
// the document template builds can be created from their record alone.

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    unsigned m_wSchema;                      // 0xFFFF: created by the framework, not serialised
    CObject* (*m_pfnCreateObject)();         // null for classes that cannot be created this way
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class, or null when the class cannot be created dynamically.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                            \
public:                                                        \
    static const CRuntimeClass class##class_name;              \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                          \
    DECLARE_DYNAMIC(class_name)                                \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, creator)                      \
    const CRuntimeClass class_name::class##class_name = {#class_name,                             \
                                                         static_cast<int>(sizeof(class_name)),    \
                                                         schema, creator,                         \
                                                         RUNTIME_CLASS(base_class_name)};         \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                         \
    CObject* class_name::CreateObject() { return new class_name; }               \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)
