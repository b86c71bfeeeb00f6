#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Components/Widget.h"
#include "Templates/Casts.h"
#include "Templates/SubclassOf.h"

#include "WidgetTree.generated.h"

/** The widgets of a user widget or widget Blueprint: every widget is a subobject of the tree. */
UCLASS(MinimalAPI)
class UWidgetTree : public UObject
{
	GENERATED_BODY()

public:
	/** The root widget of the tree. */
	UPROPERTY()
	TObjectPtr<UWidget> RootWidget;

	/** The widget of the tree named Name, or null. */
	UMG_API UWidget* FindWidget(const FName& Name) const;

	/** Every widget of the tree. */
	UMG_API void GetAllWidgets(TArray<UWidget*>& Widgets) const;

	/** Constructs a widget owned by the tree; it is not placed anywhere until assigned (e.g. as RootWidget). */
	template<typename WidgetT>
	WidgetT* ConstructWidget(TSubclassOf<WidgetT> WidgetClass = WidgetT::StaticClass(), FName WidgetName = NAME_None)
	{
		return Cast<WidgetT>(ConstructWidgetOfClass(WidgetClass.Get(), WidgetName));
	}

private:
	UMG_API UWidget* ConstructWidgetOfClass(UClass* WidgetClass, FName WidgetName);
};
