// The registry of tool menus: owners register menus, other modules extend them by name (before or
// after the registration), and a menu is generated, merged with its parents and extensions, each time
// it opens.

#pragma once

#include "CoreMinimal.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "ToolMenu.h"
#include "ToolMenuContext.h"
#include "ToolMenuDelegates.h"
#include "ToolMenuEntry.h"
#include "ToolMenuOwner.h"
#include "ToolMenuSection.h"
#include "UObject/Object.h"

#include "ToolMenus.generated.h"

UCLASS()
class TOOLMENUS_API UToolMenus : public UObject
{
	GENERATED_BODY()

public:
	UToolMenus();

	/** The registry; made with the ToolMenus module, null once the module has shut down. */
	static UToolMenus* Get();
	static UToolMenus* TryGet();

	static bool IsToolMenuUIEnabled();

	/** Registers a menu for an owner widget to show; extensions made earlier under the name are kept. */
	UToolMenu* RegisterMenu(FName Name, const FName Parent = NAME_None, EMultiBoxType Type = EMultiBoxType::Menu, bool bWarnIfAlreadyRegistered = true);

	/** The menu of that name to add to, registered or not yet. */
	UToolMenu* ExtendMenu(const FName Name);

	bool IsMenuRegistered(const FName Name) const;

	/** The registered or extended menu of that name, or null. */
	UToolMenu* FindMenu(const FName Name);

	void RemoveMenu(const FName MenuName);
	void RemoveSection(const FName MenuName, const FName InSection);
	void RemoveEntry(const FName MenuName, const FName Section, const FName Name);

	/** A new menu merging the registered menu, its parents and every extension, with dynamic entries filled in. */
	UToolMenu* GenerateMenu(const FName Name, const FToolMenuContext& InMenuContext);

	/** The widget showing a generated menu (menus only: toolbars are drawn by their owner). */
	TSharedRef<SWidget> GenerateWidget(const FName Name, const FToolMenuContext& InMenuContext);
	TSharedRef<SWidget> GenerateWidget(UToolMenu* GeneratedMenu);

	/** Removes every section and entry added under the owner. */
	static void UnregisterOwner(FToolMenuOwner InOwner);

	/** The owner of the innermost FToolMenuOwnerScoped, if any. */
	FToolMenuOwner CurrentOwner() const;

	/** Runs the callback once the registry exists (at once when it does). */
	static FDelegateHandle RegisterStartupCallback(const FSimpleMulticastDelegate::FDelegate& InDelegate);
	static void UnRegisterStartupCallback(FDelegateHandle InHandle);

	/** Used by the ToolMenus module's start-up and shut-down. */
	static void CreateSingleton();
	static void DestroySingleton();

private:
	friend struct FToolMenuOwnerScoped;

	void PushOwner(const FToolMenuOwner InOwner);
	void PopOwner(const FToolMenuOwner InOwner);

	void UnregisterOwnerInternal(FToolMenuOwner InOwner);

	/** Adds Source's sections and entries to Target, keeping the insert positions. */
	static void MergeMenu(UToolMenu* Target, const UToolMenu* Source);

	/** Sections and entries placed where their insert positions say; dynamic entries filled in. */
	static void ResolveInsertPositions(UToolMenu* Menu);
	static void FillDynamicEntries(UToolMenu* Menu);

	TMap<FName, UToolMenu*> Menus;
	TArray<FToolMenuOwner> OwnerStack;

	static UToolMenus* Singleton;
	static FSimpleMulticastDelegate StartupCallbacks;
};

/** Everything added while it lives belongs to its owner. */
struct TOOLMENUS_API FToolMenuOwnerScoped
{
	FToolMenuOwnerScoped(const FToolMenuOwner InOwner);
	~FToolMenuOwnerScoped();

	FToolMenuOwner GetOwner() const
	{
		return Owner;
	}

private:
	FToolMenuOwner Owner;
};
