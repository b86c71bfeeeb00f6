// A tool menu: its name, parent, kind and sections. Registered menus are what an owner widget shows;
// extended menus hold other modules' additions; generated menus are the two merged for one showing.

#pragma once

#include "CoreMinimal.h"
#include "Framework/MultiBox/MultiBoxDefs.h"
#include "ToolMenuContext.h"
#include "ToolMenuMisc.h"
#include "ToolMenuSection.h"
#include "UObject/Object.h"

#include "ToolMenu.generated.h"

UCLASS()
class TOOLMENUS_API UToolMenu : public UObject
{
	GENERATED_BODY()

public:
	UToolMenu();

	/** Adds a section; a section of that name already there is returned as it is. */
	FToolMenuSection& AddSection(const FName SectionName, const TAttribute<FText>& InLabel = TAttribute<FText>(), const FToolMenuInsert InPosition = FToolMenuInsert());

	FToolMenuSection& FindOrAddSection(const FName SectionName);
	FToolMenuSection& FindOrAddSection(const FName SectionName, const TAttribute<FText>& InLabel, const FToolMenuInsert InPosition = FToolMenuInsert());

	FToolMenuSection* FindSection(const FName SectionName);

	void RemoveSection(const FName SectionName);

	FName GetMenuName() const
	{
		return MenuName;
	}

	/** Whether an owner registered this menu (rather than only extending it). */
	bool IsRegistered() const
	{
		return bRegistered;
	}

	FName MenuName;
	FName MenuParent;
	EMultiBoxType MenuType;
	bool bShouldCloseWindowAfterMenuSelection;
	bool bSearchable;

	/** The context of a generated menu. */
	FToolMenuContext Context;

	TArray<FToolMenuSection> Sections;

private:
	friend class UToolMenus;

	bool bRegistered;
};
