#include "Modules/ModuleManager.h"

#include "HAL/PlatformProcess.h"
#include "HAL/Wildcard.h"
#include "Logging/LogMacros.h"
#include "Misc/CoreHostState.h"
#include "Misc/Paths.h"
#include "Misc/Utf8Conversion.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <map>
#include <vector>

DEFINE_LOG_CATEGORY_STATIC(LogModuleManager, Log, All);

using namespace UE::Core::Private;

namespace
{
	std::u16string Lower(const std::u16string& In)
	{
		std::u16string Out = In;
		for (char16_t& Char : Out)
		{
			if (Char >= u'A' && Char <= u'Z')
			{
				Char = char16_t(Char - u'A' + u'a');
			}
		}
		return Out;
	}

	struct FLinkedModule
	{
		std::u16string Name;
		FInitializeModuleFunctionPtr Create = nullptr;
		std::u16string LibraryPath;
	};

	/** Filled during static initialisation, before any FModuleManager exists. */
	std::map<std::u16string, FLinkedModule>& LinkedModules()
	{
		static std::map<std::u16string, FLinkedModule> Registry;
		return Registry;
	}

	/** Whether Symbol lies in the library behind Handle (dlsym also searches the library's dependencies). */
	bool SymbolBelongsTo(void* Symbol, void* Handle)
	{
		Dl_info Info;
		link_map* Map = nullptr;
		if (!dladdr(Symbol, &Info) || dlinfo(Handle, RTLD_DI_LINKMAP, &Map) != 0 || !Map)
		{
			return false;
		}
		return Info.dli_fname && Map->l_name && std::strcmp(Info.dli_fname, Map->l_name) == 0;
	}
}

struct FModuleManager::FImpl
{
	struct FModuleInfo
	{
		std::u16string Name;
		std::unique_ptr<IModuleInterface> Module;
		std::u16string LibraryPath;
		int32 LoadOrder = -1;
	};

	/** Keyed by folded name; modules compare case-insensitively as FNames do. */
	std::map<std::u16string, FModuleInfo> Modules;
	std::vector<std::u16string> BinariesDirectories;
	int32 NextLoadOrder = 0;

	std::u16string FindLibraryFile(const std::u16string& ModuleName) const
	{
		std::vector<std::u16string> Directories = BinariesDirectories;
		Directories.insert(Directories.begin(), std::u16string(FPlatformProcess::BaseDir()));
		for (std::u16string Directory : Directories)
		{
			if (!Directory.empty() && Directory.back() != u'/')
			{
				Directory.push_back(u'/');
			}
			for (const char16_t* Prefix : { u"lib", u"" })
			{
				const std::u16string Candidate = Directory + Prefix + u"UnrealEditor-" + ModuleName + u".so";
				if (FPaths::FileExists(FromStd(Candidate)))
				{
					return Candidate;
				}
			}
		}
		return std::u16string();
	}
};

FModuleManager::FModuleManager()
	: Impl(std::make_unique<FImpl>())
{
}

FModuleManager::~FModuleManager() = default;

FModuleManager& FModuleManager::Get()
{
	// Never destroyed: module objects may outlive static destruction order.
	static FModuleManager* Manager = new FModuleManager();
	return *Manager;
}

void FModuleManager::RegisterLinkedModule(const TCHAR* InModuleName, FInitializeModuleFunctionPtr InCreateFunction)
{
	FLinkedModule Linked;
	Linked.Name = InModuleName;
	Linked.Create = InCreateFunction;
	Dl_info Info;
	if (dladdr(reinterpret_cast<void*>(InCreateFunction), &Info) && Info.dli_fname)
	{
		Linked.LibraryPath = Utf8ToUtf16(Info.dli_fname);
	}
	LinkedModules()[Lower(Linked.Name)] = Linked;
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName, ELoadModuleFlags InLoadModuleFlags)
{
	EModuleLoadResult Ignored;
	return LoadModuleWithFailureReason(InModuleName, Ignored, InLoadModuleFlags);
}

IModuleInterface* FModuleManager::LoadModuleWithFailureReason(const FName InModuleName, EModuleLoadResult& OutFailureReason, ELoadModuleFlags InLoadModuleFlags)
{
	const std::u16string Name = ToStd(InModuleName.ToString());
	const std::u16string Key = Lower(Name);
	if (const auto Existing = Impl->Modules.find(Key); Existing != Impl->Modules.end())
	{
		OutFailureReason = EModuleLoadResult::Success;
		return Existing->second.Module.get();
	}

	FInitializeModuleFunctionPtr Initialize = nullptr;
	std::u16string LibraryPath;
	if (const auto Linked = LinkedModules().find(Key); Linked != LinkedModules().end())
	{
		LibraryPath = Linked->second.LibraryPath;
		// A library already in the process: take its entry by name, as for any other module library.
		void* Handle = LibraryPath.empty() ? nullptr : dlopen(ToUtf8(FromStd(LibraryPath)).c_str(), RTLD_NOW | RTLD_NOLOAD);
		void* Entry = Handle ? dlsym(Handle, "InitializeModule") : nullptr;
		Initialize = (Entry && SymbolBelongsTo(Entry, Handle)) ? reinterpret_cast<FInitializeModuleFunctionPtr>(Entry) : Linked->second.Create;
	}
	else
	{
		LibraryPath = Impl->FindLibraryFile(Name);
		if (LibraryPath.empty())
		{
			OutFailureReason = EModuleLoadResult::FileNotFound;
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s' because the file 'UnrealEditor-%s.so' was not found in the binaries folders."), Name.c_str(), Name.c_str());
			return nullptr;
		}
		void* Handle = FPlatformProcess::GetDllHandle(LibraryPath.c_str());
		if (!Handle)
		{
			OutFailureReason = EModuleLoadResult::CouldNotBeLoadedByOS;
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s' because the file '%s' could not be loaded by the OS."), Name.c_str(), LibraryPath.c_str());
			return nullptr;
		}
		void* Entry = dlsym(Handle, "InitializeModule");
		if (!Entry || !SymbolBelongsTo(Entry, Handle))
		{
			OutFailureReason = EModuleLoadResult::FailedToInitialize;
			UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s' because '%s' has no InitializeModule entry."), Name.c_str(), LibraryPath.c_str());
			return nullptr;
		}
		Initialize = reinterpret_cast<FInitializeModuleFunctionPtr>(Entry);
	}

	IModuleInterface* Created = Initialize ? Initialize() : nullptr;
	if (!Created)
	{
		OutFailureReason = EModuleLoadResult::FailedToInitialize;
		UE_LOG(LogModuleManager, Warning, TEXT("Unable to load module '%s' because its InitializeModule returned no module object."), Name.c_str());
		return nullptr;
	}

	// Known before StartupModule, so a module that asks for itself while starting gets itself back.
	FImpl::FModuleInfo& Info = Impl->Modules[Key];
	Info.Name = Name;
	Info.Module.reset(Created);
	Info.LibraryPath = LibraryPath;
	Created->StartupModule();
	// Ordered by finished start-up: modules a module loads while starting shut down after it.
	if (const auto Started = Impl->Modules.find(Key); Started != Impl->Modules.end())
	{
		Started->second.LoadOrder = Impl->NextLoadOrder++;
	}
	UE_LOG(LogModuleManager, Verbose, TEXT("Module '%s' started from %s"), Name.c_str(), LibraryPath.c_str());
	OutFailureReason = EModuleLoadResult::Success;
	ModulesChangedEvent.Broadcast(InModuleName, EModuleChangeReason::ModuleLoaded);
	return Created;
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	IModuleInterface* Module = LoadModule(InModuleName);
	checkf(Module, TEXT("Module '%s' could not be loaded"), *InModuleName.ToString());
	return *Module;
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	return Impl->Modules.count(Lower(ToStd(InModuleName.ToString()))) != 0;
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	const auto It = Impl->Modules.find(Lower(ToStd(InModuleName.ToString())));
	return It == Impl->Modules.end() ? nullptr : It->second.Module.get();
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool bIsShutdown, bool bAllowUnloadCode)
{
	const std::u16string Key = Lower(ToStd(InModuleName.ToString()));
	const auto It = Impl->Modules.find(Key);
	if (It == Impl->Modules.end())
	{
		return false;
	}
	// Taken out first so the module cannot be found while it shuts down.
	std::unique_ptr<IModuleInterface> Module = std::move(It->second.Module);
	const std::u16string Name = It->second.Name;
	Impl->Modules.erase(It);
	if (!bIsShutdown)
	{
		Module->PreUnloadCallback();
	}
	Module->ShutdownModule();
	Module.reset();
	ModulesChangedEvent.Broadcast(InModuleName, EModuleChangeReason::ModuleUnloaded);
	return true;
}

void FModuleManager::UnloadModulesAtShutdown()
{
	struct FEntry
	{
		std::u16string Name;
		int32 LoadOrder;
	};
	std::vector<FEntry> Order;
	for (const auto& [Key, Info] : Impl->Modules)
	{
		Order.push_back(FEntry{ Info.Name, Info.LoadOrder });
	}
	std::sort(Order.begin(), Order.end(), [](const FEntry& A, const FEntry& B) { return A.LoadOrder > B.LoadOrder; });

	std::vector<FEntry> ToShutDown;
	for (const FEntry& Entry : Order)
	{
		IModuleInterface* Module = GetModule(FName(Entry.Name.c_str()));
		if (Module && Module->SupportsAutomaticShutdown())
		{
			Module->PreUnloadCallback();
			ToShutDown.push_back(Entry);
		}
	}
	for (const FEntry& Entry : ToShutDown)
	{
		UE_LOG(LogModuleManager, Log, TEXT("Shutting down and abandoning module %s (%d)"), Entry.Name.c_str(), Entry.LoadOrder);
		UnloadModule(FName(Entry.Name.c_str()), true);
	}
}

bool FModuleManager::ModuleExists(const TCHAR* ModuleName) const
{
	const std::u16string Name = ModuleName ? ModuleName : u"";
	return LinkedModules().count(Lower(Name)) != 0 || !Impl->FindLibraryFile(Name).empty();
}

int32 FModuleManager::GetModuleCount() const
{
	return int32(Impl->Modules.size());
}

void FModuleManager::FindModules(const TCHAR* WildcardWithoutExtension, TArray<FName>& OutModules) const
{
	const std::u16string Pattern = WildcardWithoutExtension ? WildcardWithoutExtension : u"*";
	for (const auto& [Key, Linked] : LinkedModules())
	{
		if (MatchesWildcard(Linked.Name, Pattern))
		{
			OutModules.Add(FName(Linked.Name.c_str()));
		}
	}
}

void FModuleManager::QueryModules(TArray<FModuleStatus>& OutModuleStatuses) const
{
	std::vector<const FImpl::FModuleInfo*> Loaded;
	for (const auto& [Key, Info] : Impl->Modules)
	{
		Loaded.push_back(&Info);
	}
	std::sort(Loaded.begin(), Loaded.end(), [](const auto* A, const auto* B) { return A->LoadOrder < B->LoadOrder; });
	OutModuleStatuses.Empty();
	for (const FImpl::FModuleInfo* Info : Loaded)
	{
		FModuleStatus Status;
		QueryModule(FName(Info->Name.c_str()), Status);
		OutModuleStatuses.Add(Status);
	}
}

bool FModuleManager::QueryModule(const FName InModuleName, FModuleStatus& OutModuleStatus) const
{
	const auto It = Impl->Modules.find(Lower(ToStd(InModuleName.ToString())));
	if (It == Impl->Modules.end())
	{
		return false;
	}
	OutModuleStatus.Name = FromStd(It->second.Name);
	OutModuleStatus.FilePath = FromStd(It->second.LibraryPath);
	OutModuleStatus.bIsLoaded = true;
	OutModuleStatus.bIsGameModule = It->second.Module && It->second.Module->IsGameModule();
	OutModuleStatus.LoadOrder = It->second.LoadOrder;
	return true;
}

void FModuleManager::AddBinariesDirectory(const TCHAR* InDirectory, bool bIsGameDirectory)
{
	if (InDirectory && *InDirectory)
	{
		Impl->BinariesDirectories.push_back(InDirectory);
	}
}
