// Flags and macros of the reflection system. The UCLASS/UPROPERTY/... markers expand to nothing:
// the header tool reads them and writes the GENERATED_BODY expansion per file and line.

#pragma once

#include "CoreTypes.h"

class UObject;
class UClass;
struct FFrame;
class FObjectInitializer;

// Reflection markers, read by the header tool only.
#define UCLASS(...)
#define UINTERFACE(...)
#define USTRUCT(...)
#define UENUM(...)
#define UFUNCTION(...)
#define UPROPERTY(...)
#define UPARAM(...)
#define UMETA(...)
#define UDELEGATE(...)

// GENERATED_BODY() picks the header tool's macro for this file and line.
#define BODY_MACRO_COMBINE_INNER(A, B, C, D) A##B##C##D
#define BODY_MACRO_COMBINE(A, B, C, D) BODY_MACRO_COMBINE_INNER(A, B, C, D)
#define GENERATED_BODY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY)
#define GENERATED_BODY_LEGACY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY_LEGACY)
#define GENERATED_UCLASS_BODY(...) GENERATED_BODY_LEGACY()
#define GENERATED_USTRUCT_BODY(...) GENERATED_BODY()
#define GENERATED_UINTERFACE_BODY(...) GENERATED_BODY_LEGACY()
#define GENERATED_IINTERFACE_BODY(...) GENERATED_BODY_LEGACY()

#define RELAY_CONSTRUCTOR(TClass, TSuperClass) \
	TClass(const FObjectInitializer& ObjectInitializer) \
		: TSuperClass(ObjectInitializer) \
	{ \
	}

/** Object flags (EObjectFlags). */
enum EObjectFlags : uint32
{
	RF_NoFlags = 0x00000000,
	RF_Public = 0x00000001,
	RF_Standalone = 0x00000002,
	RF_MarkAsNative = 0x00000004,
	RF_Transactional = 0x00000008,
	RF_ClassDefaultObject = 0x00000010,
	RF_ArchetypeObject = 0x00000020,
	RF_Transient = 0x00000040,
	RF_MarkAsRootSet = 0x00000080,
	RF_TagGarbageTemp = 0x00000100,
	RF_NeedInitialization = 0x00000200,
	RF_NeedLoad = 0x00000400,
	RF_KeepForCooker = 0x00000800,
	RF_NeedPostLoad = 0x00001000,
	RF_NeedPostLoadSubobjects = 0x00002000,
	RF_NewerVersionExists = 0x00004000,
	RF_BeginDestroyed = 0x00008000,
	RF_FinishDestroyed = 0x00010000,
	RF_BeingRegenerated = 0x00020000,
	RF_DefaultSubObject = 0x00040000,
	RF_WasLoaded = 0x00080000,
	RF_TextExportTransient = 0x00100000,
	RF_LoadCompleted = 0x00200000,
	RF_InheritableComponentTemplate = 0x00400000,
	RF_DuplicateTransient = 0x00800000,
	RF_StrongRefOnFrame = 0x01000000,
	RF_NonPIEDuplicateTransient = 0x02000000,
	RF_WillBeLoaded = 0x08000000,
	RF_HasExternalPackage = 0x10000000,
	RF_AllocatedInSharedPage = 0x80000000,
};

constexpr inline EObjectFlags operator|(EObjectFlags A, EObjectFlags B) { return (EObjectFlags)((uint32)A | (uint32)B); }
constexpr inline EObjectFlags operator&(EObjectFlags A, EObjectFlags B) { return (EObjectFlags)((uint32)A & (uint32)B); }
constexpr inline EObjectFlags operator~(EObjectFlags A) { return (EObjectFlags)(~(uint32)A); }
constexpr inline EObjectFlags& operator|=(EObjectFlags& A, EObjectFlags B) { return A = A | B; }
constexpr inline EObjectFlags& operator&=(EObjectFlags& A, EObjectFlags B) { return A = A & B; }

#define RF_AllFlags ((EObjectFlags)0xffffffff)
#define RF_Load ((EObjectFlags)(RF_Public | RF_Standalone | RF_Transactional | RF_ClassDefaultObject | RF_ArchetypeObject | RF_DefaultSubObject | RF_TextExportTransient | RF_InheritableComponentTemplate | RF_DuplicateTransient | RF_NonPIEDuplicateTransient))
#define RF_PropagateToSubObjects ((EObjectFlags)(RF_Public | RF_ArchetypeObject | RF_Transactional | RF_Transient))

/** Internal object state kept in the object table (EInternalObjectFlags). */
enum class EInternalObjectFlags : int32
{
	None = 0,
	Garbage = 1 << 21,
	RootSet = 1 << 30,
	Native = 1 << 25,
	Unreachable = 1 << 28,
	PendingKill = 1 << 29,
};

/** Objects with these flags are kept by CollectGarbage. */
#define GARBAGE_OBJECT_FLAGS RF_NoFlags
#define GARBAGE_COLLECTION_KEEPFLAGS RF_NoFlags

/** Package flags (EPackageFlags). */
enum EPackageFlags : uint32
{
	PKG_None = 0x00000000,
	PKG_NewlyCreated = 0x00000001,
	PKG_ClientOptional = 0x00000002,
	PKG_ServerSideOnly = 0x00000004,
	PKG_CompiledIn = 0x00000010,
	PKG_ForDiffing = 0x00000020,
	PKG_EditorOnly = 0x00000040,
	PKG_Developer = 0x00000080,
	PKG_UncookedOnly = 0x00000100,
	PKG_Cooked = 0x00000200,
	PKG_ContainsNoAsset = 0x00000400,
	PKG_NotExternallyReferenceable = 0x00000800,
	PKG_UnversionedProperties = 0x00002000,
	PKG_ContainsMapData = 0x00004000,
	PKG_IsSaving = 0x00008000,
	PKG_Compiling = 0x00010000,
	PKG_ContainsMap = 0x00020000,
	PKG_RequiresLocalizationGather = 0x00040000,
	PKG_PlayInEditor = 0x00100000,
	PKG_ContainsScript = 0x00200000,
	PKG_DisallowExport = 0x00400000,
	PKG_DynamicImports = 0x10000000,
	PKG_RuntimeGenerated = 0x20000000,
	PKG_ReloadingForCooker = 0x40000000,
	PKG_FilterEditorOnly = 0x80000000,
};

/** Class flags (EClassFlags). */
enum EClassFlags : uint32
{
	CLASS_None = 0x00000000u,
	CLASS_Abstract = 0x00000001u,
	CLASS_DefaultConfig = 0x00000002u,
	CLASS_Config = 0x00000004u,
	CLASS_Transient = 0x00000008u,
	CLASS_Optional = 0x00000010u,
	CLASS_MatchedSerializers = 0x00000020u,
	CLASS_ProjectUserConfig = 0x00000040u,
	CLASS_Native = 0x00000080u,
	CLASS_NoExport = 0x00000100u,
	CLASS_NotPlaceable = 0x00000200u,
	CLASS_PerObjectConfig = 0x00000400u,
	CLASS_ReplicationDataIsSetUp = 0x00000800u,
	CLASS_EditInlineNew = 0x00001000u,
	CLASS_CollapseCategories = 0x00002000u,
	CLASS_Interface = 0x00004000u,
	CLASS_CustomConstructor = 0x00008000u,
	CLASS_Const = 0x00010000u,
	CLASS_NeedsDeferredDependencyLoading = 0x00020000u,
	CLASS_CompiledFromBlueprint = 0x00040000u,
	CLASS_MinimalAPI = 0x00080000u,
	CLASS_RequiredAPI = 0x00100000u,
	CLASS_DefaultToInstanced = 0x00200000u,
	CLASS_TokenStreamAssembled = 0x00400000u,
	CLASS_HasInstancedReference = 0x00800000u,
	CLASS_Hidden = 0x01000000u,
	CLASS_Deprecated = 0x02000000u,
	CLASS_HideDropDown = 0x04000000u,
	CLASS_GlobalUserConfig = 0x08000000u,
	CLASS_Intrinsic = 0x10000000u,
	CLASS_Constructed = 0x20000000u,
	CLASS_ConfigDoNotCheckDefaults = 0x40000000u,
	CLASS_NewerVersionExists = 0x80000000u,
};

constexpr inline EClassFlags operator|(EClassFlags A, EClassFlags B) { return (EClassFlags)((uint32)A | (uint32)B); }
constexpr inline EClassFlags operator&(EClassFlags A, EClassFlags B) { return (EClassFlags)((uint32)A & (uint32)B); }
constexpr inline EClassFlags operator~(EClassFlags A) { return (EClassFlags)(~(uint32)A); }
constexpr inline EClassFlags& operator|=(EClassFlags& A, EClassFlags B) { return A = A | B; }
constexpr inline EClassFlags& operator&=(EClassFlags& A, EClassFlags B) { return A = A & B; }

/** Flags a subclass inherits from its parent. */
#define CLASS_Inherit ((EClassFlags)(CLASS_Transient | CLASS_Optional | CLASS_DefaultConfig | CLASS_Config | CLASS_PerObjectConfig | CLASS_ConfigDoNotCheckDefaults | CLASS_NotPlaceable | CLASS_Const | CLASS_HasInstancedReference | CLASS_Deprecated | CLASS_DefaultToInstanced | CLASS_GlobalUserConfig | CLASS_ProjectUserConfig | CLASS_NeedsDeferredDependencyLoading))

typedef uint64 EClassCastFlags;
#define CASTCLASS_None ((EClassCastFlags)0)

/** Property flags (EPropertyFlags), 64 bits. */
enum EPropertyFlags : uint64
{
	CPF_None = 0,
	CPF_Edit = 0x0000000000000001,
	CPF_ConstParm = 0x0000000000000002,
	CPF_BlueprintVisible = 0x0000000000000004,
	CPF_ExportObject = 0x0000000000000008,
	CPF_BlueprintReadOnly = 0x0000000000000010,
	CPF_Net = 0x0000000000000020,
	CPF_EditFixedSize = 0x0000000000000040,
	CPF_Parm = 0x0000000000000080,
	CPF_OutParm = 0x0000000000000100,
	CPF_ZeroConstructor = 0x0000000000000200,
	CPF_ReturnParm = 0x0000000000000400,
	CPF_DisableEditOnTemplate = 0x0000000000000800,
	CPF_NonNullable = 0x0000000000001000,
	CPF_Transient = 0x0000000000002000,
	CPF_Config = 0x0000000000004000,
	CPF_RequiredParm = 0x0000000000008000,
	CPF_DisableEditOnInstance = 0x0000000000010000,
	CPF_EditConst = 0x0000000000020000,
	CPF_GlobalConfig = 0x0000000000040000,
	CPF_InstancedReference = 0x0000000000080000,
	CPF_DuplicateTransient = 0x0000000000200000,
	CPF_SaveGame = 0x0000000001000000,
	CPF_NoClear = 0x0000000002000000,
	CPF_ReferenceParm = 0x0000000008000000,
	CPF_BlueprintAssignable = 0x0000000010000000,
	CPF_Deprecated = 0x0000000020000000,
	CPF_IsPlainOldData = 0x0000000040000000,
	CPF_RepSkip = 0x0000000080000000,
	CPF_RepNotify = 0x0000000100000000,
	CPF_Interp = 0x0000000200000000,
	CPF_NonTransactional = 0x0000000400000000,
	CPF_EditorOnly = 0x0000000800000000,
	CPF_NoDestructor = 0x0000001000000000,
	CPF_AutoWeak = 0x0000004000000000,
	CPF_ContainsInstancedReference = 0x0000008000000000,
	CPF_AssetRegistrySearchable = 0x0000010000000000,
	CPF_SimpleDisplay = 0x0000020000000000,
	CPF_AdvancedDisplay = 0x0000040000000000,
	CPF_Protected = 0x0000080000000000,
	CPF_BlueprintCallable = 0x0000100000000000,
	CPF_BlueprintAuthorityOnly = 0x0000200000000000,
	CPF_TextExportTransient = 0x0000400000000000,
	CPF_NonPIEDuplicateTransient = 0x0000800000000000,
	CPF_ExposeOnSpawn = 0x0001000000000000,
	CPF_PersistentInstance = 0x0002000000000000,
	CPF_UObjectWrapper = 0x0004000000000000,
	CPF_HasGetValueTypeHash = 0x0008000000000000,
	CPF_NativeAccessSpecifierPublic = 0x0010000000000000,
	CPF_NativeAccessSpecifierProtected = 0x0020000000000000,
	CPF_NativeAccessSpecifierPrivate = 0x0040000000000000,
	CPF_SkipSerialization = 0x0080000000000000,
};

constexpr inline EPropertyFlags operator|(EPropertyFlags A, EPropertyFlags B) { return (EPropertyFlags)((uint64)A | (uint64)B); }
constexpr inline EPropertyFlags operator&(EPropertyFlags A, EPropertyFlags B) { return (EPropertyFlags)((uint64)A & (uint64)B); }
constexpr inline EPropertyFlags operator~(EPropertyFlags A) { return (EPropertyFlags)(~(uint64)A); }
constexpr inline EPropertyFlags& operator|=(EPropertyFlags& A, EPropertyFlags B) { return A = A | B; }
constexpr inline EPropertyFlags& operator&=(EPropertyFlags& A, EPropertyFlags B) { return A = A & B; }

#define CPF_ParmFlags ((EPropertyFlags)(CPF_Parm | CPF_OutParm | CPF_ReturnParm | CPF_RequiredParm | CPF_ReferenceParm | CPF_ConstParm))

/** Function flags (EFunctionFlags). */
enum EFunctionFlags : uint32
{
	FUNC_None = 0x00000000,
	FUNC_Final = 0x00000001,
	FUNC_RequiredAPI = 0x00000002,
	FUNC_BlueprintAuthorityOnly = 0x00000004,
	FUNC_BlueprintCosmetic = 0x00000008,
	FUNC_Net = 0x00000040,
	FUNC_NetReliable = 0x00000080,
	FUNC_NetRequest = 0x00000100,
	FUNC_Exec = 0x00000200,
	FUNC_Native = 0x00000400,
	FUNC_Event = 0x00000800,
	FUNC_NetResponse = 0x00001000,
	FUNC_Static = 0x00002000,
	FUNC_NetMulticast = 0x00004000,
	FUNC_UbergraphFunction = 0x00008000,
	FUNC_MulticastDelegate = 0x00010000,
	FUNC_Public = 0x00020000,
	FUNC_Private = 0x00040000,
	FUNC_Protected = 0x00080000,
	FUNC_Delegate = 0x00100000,
	FUNC_NetServer = 0x00200000,
	FUNC_HasOutParms = 0x00400000,
	FUNC_HasDefaults = 0x00800000,
	FUNC_NetClient = 0x01000000,
	FUNC_DLLImport = 0x02000000,
	FUNC_BlueprintCallable = 0x04000000,
	FUNC_BlueprintEvent = 0x08000000,
	FUNC_BlueprintPure = 0x10000000,
	FUNC_EditorOnly = 0x20000000,
	FUNC_Const = 0x40000000,
	FUNC_NetValidate = 0x80000000,
	FUNC_AllFlags = 0xFFFFFFFF,
};

constexpr inline EFunctionFlags operator|(EFunctionFlags A, EFunctionFlags B) { return (EFunctionFlags)((uint32)A | (uint32)B); }
constexpr inline EFunctionFlags operator&(EFunctionFlags A, EFunctionFlags B) { return (EFunctionFlags)((uint32)A & (uint32)B); }
constexpr inline EFunctionFlags operator~(EFunctionFlags A) { return (EFunctionFlags)(~(uint32)A); }
constexpr inline EFunctionFlags& operator|=(EFunctionFlags& A, EFunctionFlags B) { return A = A | B; }
constexpr inline EFunctionFlags& operator&=(EFunctionFlags& A, EFunctionFlags B) { return A = A & B; }

/** Struct flags (EStructFlags). */
enum EStructFlags : int32
{
	STRUCT_NoFlags = 0x00000000,
	STRUCT_Native = 0x00000001,
	STRUCT_IdenticalNative = 0x00000002,
	STRUCT_HasInstancedReference = 0x00000004,
	STRUCT_NoExport = 0x00000008,
	STRUCT_Atomic = 0x00000010,
	STRUCT_Immutable = 0x00000020,
	STRUCT_AddStructReferencedObjects = 0x00000040,
	STRUCT_RequiredAPI = 0x00000200,
	STRUCT_NetSerializeNative = 0x00000400,
	STRUCT_SerializeNative = 0x00000800,
	STRUCT_CopyNative = 0x00001000,
	STRUCT_IsPlainOldData = 0x00002000,
	STRUCT_NoDestructor = 0x00004000,
	STRUCT_ZeroConstructor = 0x00008000,
	STRUCT_ExportTextItemNative = 0x00010000,
	STRUCT_ImportTextItemNative = 0x00020000,
	STRUCT_PostSerializeNative = 0x00040000,
	STRUCT_SerializeFromMismatchedTag = 0x00080000,
	STRUCT_NetDeltaSerializeNative = 0x00100000,
	STRUCT_PostScriptConstruct = 0x00200000,
	STRUCT_NetSharedSerialization = 0x00400000,
	STRUCT_Trashed = 0x00800000,
	STRUCT_NewerVersionExists = 0x01000000,
	STRUCT_CanEditChange = 0x02000000,
};

constexpr inline EStructFlags operator|(EStructFlags A, EStructFlags B) { return (EStructFlags)((int32)A | (int32)B); }

/** Flags for text import and export (EPropertyPortFlags). */
enum EPropertyPortFlags
{
	PPF_None = 0x00000000,
	PPF_Localized = 0x00000001,
	PPF_Delimited = 0x00000002,
	PPF_CheckReferences = 0x00000004,
	PPF_ExportsNotFullyQualified = 0x00000008,
	PPF_AttemptNonQualifiedSearch = 0x00000010,
	PPF_RestrictImportTypes = 0x00000020,
	PPF_ParsingDefaultProperties = 0x00000040,
	PPF_SkipObjectProperties = 0x00000080,
	PPF_LocalizedOnly = 0x00000100,
	PPF_Copy = 0x00000200,
	PPF_ForDiff = 0x00000400,
	PPF_BlueprintDebugView = 0x00000800,
	PPF_IncludeTransient = 0x00002000,
	PPF_ExportCpp = 0x00080000,
	PPF_DebugDump = 0x00040000,
	PPF_ExternalEditor = 0x00100000,
	PPF_SimpleObjectText = 0x00200000,
	PPF_PropertyWindow = 0x00008000,
	PPF_Duplicate = 0x00004000,
	PPF_SerializedAsImportText = 0x01000000,
};

/** Load flags (ELoadFlags). */
enum ELoadFlags
{
	LOAD_None = 0x00000000,
	LOAD_Async = 0x00000001,
	LOAD_NoWarn = 0x00000002,
	LOAD_EditorOnly = 0x00000004,
	LOAD_ResolvingDeferredExports = 0x00000008,
	LOAD_Verify = 0x00000010,
	LOAD_NoVerify = 0x00000080,
	LOAD_IsVerifying = 0x00000100,
	LOAD_SkipLoadImportedPackages = 0x00000200,
	LOAD_DisableDependencyPreloading = 0x00002000,
	LOAD_Quiet = 0x00004000,
	LOAD_FindIfFail = 0x00008000,
	LOAD_MemoryReader = 0x00010000,
	LOAD_NoRedirects = 0x00020000,
	LOAD_ForDiff = 0x00040000,
	LOAD_PackageForPIE = 0x00080000,
	LOAD_DeferDependencyLoads = 0x00100000,
	LOAD_ForFileDiff = 0x00200000,
	LOAD_DisableCompileOnLoad = 0x00400000,
	LOAD_DisableEngineVersionChecks = 0x00800000,
};

/** Rename flags (ERenameFlags). */
typedef uint32 ERenameFlags;
#define REN_None (0x0000)
#define REN_ForceNoResetLoaders (0x0001)
#define REN_Test (0x0002)
#define REN_DoNotDirty (0x0004)
#define REN_DontCreateRedirectors (0x0010)
#define REN_NonTransactional (0x0020)
#define REN_ForceGlobalUnique (0x0040)
#define REN_SkipGeneratedClasses (0x0080)

enum EStaticConstructor
{
	EC_StaticConstructor
};

/** Where the header tool's native function thunks take their arguments from. */
#define RESULT_PARAM Z_Param__Result
#define RESULT_DECL void* const RESULT_PARAM

/** Native function thunks: `DECLARE_FUNCTION(execFoo);` in the class, `DEFINE_FUNCTION(UMyClass::execFoo) { ... }`. */
#define DECLARE_FUNCTION(func) static void func(UObject* Context, FFrame& Stack, RESULT_DECL)
#define DEFINE_FUNCTION(func) void func(UObject* Context, FFrame& Stack, RESULT_DECL)

/** Offset of a native interface inside an implementing class. */
#define VTABLE_OFFSET(Class, MultipleInheritClass) (((PTRINT) static_cast<MultipleInheritClass*>((Class*)0x1)) - 1)
#define STRUCT_OFFSET(struc, member) offsetof(struc, member)

#define COMPILED_IN_FLAGS(TStaticFlags) ((EClassFlags)((TStaticFlags) | CLASS_Intrinsic))
#define NO_API

/** Declares what every reflected class has: Super, ThisClass, StaticClass() and the class flags. */
#define DECLARE_CLASS(TClass, TSuperClass, TStaticFlags, TStaticCastFlags, TPackage, TRequiredAPI) \
private: \
	TClass& operator=(TClass&&); \
	TClass& operator=(const TClass&); \
	TRequiredAPI static UClass* GetPrivateStaticClass(); \
\
public: \
	/** Bitwise union of #EClassFlags pertaining to this class. */ \
	static constexpr EClassFlags StaticClassFlags = EClassFlags(TStaticFlags); \
	typedef TSuperClass Super; \
	typedef TClass ThisClass; \
	inline static UClass* StaticClass() \
	{ \
		return GetPrivateStaticClass(); \
	} \
	inline static const TCHAR* StaticPackage() \
	{ \
		return TPackage; \
	} \
	inline static EClassCastFlags StaticClassCastFlags() \
	{ \
		return TStaticCastFlags; \
	} \
	inline void* operator new(const size_t InSize, EInternal InMem) \
	{ \
		return (void*)InMem; \
	}

/** Placement for the class constructor call on memory the object system allocated. */
enum class EInternal : UPTRINT
{
};

/** The class constructor the object system calls, for classes with a default constructor. */
#define DEFINE_DEFAULT_CONSTRUCTOR_CALL(TClass) \
	static void __DefaultConstructor(const FObjectInitializer& X) \
	{ \
		new ((EInternal)(UPTRINT)X.GetObj()) TClass; \
	}

/** ... and for classes whose constructor takes the object initializer. */
#define DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(TClass) \
	static void __DefaultConstructor(const FObjectInitializer& X) \
	{ \
		new ((EInternal)(UPTRINT)X.GetObj()) TClass(X); \
	}

/** Defines GetPrivateStaticClass() for a class declared with DECLARE_CLASS. Super and the class
 *  object's own class are asked for lazily, so classes register in any order. */
#define IMPLEMENT_CLASS_WITH_CONFIG(TClass, TConfigName) \
	UClass* TClass::GetPrivateStaticClass() \
	{ \
		static UClass* PrivateStaticClass = nullptr; \
		if (!PrivateStaticClass) \
		{ \
			GetPrivateStaticClassBody( \
				StaticPackage(), \
				TEXT(#TClass) + 1, \
				PrivateStaticClass, \
				sizeof(TClass), \
				alignof(TClass), \
				TClass::StaticClassFlags, \
				TClass::StaticClassCastFlags(), \
				TConfigName, \
				(UClass::ClassConstructorType)InternalConstructor<TClass>, \
				&TClass::Super::StaticClass); \
		} \
		return PrivateStaticClass; \
	}

#define IMPLEMENT_CLASS(TClass) IMPLEMENT_CLASS_WITH_CONFIG(TClass, TEXT(""))
#define IMPLEMENT_CORE_INTRINSIC_CLASS(TClass, TSuperClass, InitCode) IMPLEMENT_CLASS(TClass)
