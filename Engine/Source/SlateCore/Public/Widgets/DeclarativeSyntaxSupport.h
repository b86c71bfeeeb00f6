// SNew / SAssignNew and the SLATE_BEGIN_ARGS family: widgets are declared with named
// arguments and built by SNew, which runs SWidgetConstruct and then the widget's Construct.

#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "CoreMinimal.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

/** Arguments every widget takes. */
struct FSlateBaseNamedArgs
{
	FSlateBaseNamedArgs()
		: _Visibility(EVisibility::Visible)
		, _IsEnabled(true)
	{
	}

	TAttribute<FText> _ToolTipText;
	TAttribute<EVisibility> _Visibility;
	TAttribute<bool> _IsEnabled;
	FName _Tag;
};

template<typename WidgetType>
struct TSlateBaseNamedArgs : public FSlateBaseNamedArgs
{
	typedef typename WidgetType::FArguments WidgetArgsType;

	WidgetArgsType& ToolTipText(const TAttribute<FText>& InToolTipText)
	{
		_ToolTipText = InToolTipText;
		return Me();
	}
	WidgetArgsType& Visibility(const TAttribute<EVisibility>& InVisibility)
	{
		_Visibility = InVisibility;
		return Me();
	}
	WidgetArgsType& IsEnabled(const TAttribute<bool>& InIsEnabled)
	{
		_IsEnabled = InIsEnabled;
		return Me();
	}
	WidgetArgsType& Tag(FName InTag)
	{
		_Tag = InTag;
		return Me();
	}

	WidgetArgsType& Me()
	{
		return *(static_cast<WidgetArgsType*>(this));
	}
};

/** A slot argument: always holds a widget, the null widget until set. */
struct FAlwaysValidWidget
{
	FAlwaysValidWidget()
		: Widget(SNullWidget::NullWidget)
	{
	}

	TSharedRef<SWidget> Widget;
};

// clang-format off
#define SLATE_BEGIN_ARGS(InWidgetType) \
	public: \
	struct FArguments : public TSlateBaseNamedArgs<InWidgetType> \
	{ \
		typedef FArguments WidgetArgsType; \
		typedef InWidgetType WidgetType; \
		FArguments()

#define SLATE_USER_ARGS(InWidgetType) SLATE_BEGIN_ARGS(InWidgetType)

#define SLATE_END_ARGS() \
	};
// clang-format on

#define SLATE_ATTRIBUTE(AttrType, AttrName) \
	TAttribute<AttrType> _##AttrName; \
	WidgetArgsType& AttrName(const TAttribute<AttrType>& InAttribute) \
	{ \
		_##AttrName = InAttribute; \
		return *this; \
	}

#define SLATE_ARGUMENT(ArgType, ArgName) \
	ArgType _##ArgName; \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		_##ArgName = InArg; \
		return *this; \
	}

#define SLATE_STYLE_ARGUMENT(ArgType, ArgName) SLATE_ARGUMENT(const ArgType*, ArgName)

/** Panel slots given with `+ SPanelType::Slot()...` in a declaration; the panel's Construct takes them in order. */
#define SLATE_SLOT_ARGUMENT(SlotType, SlotName) \
	TArray<typename SlotType::FSlotArguments> _##SlotName; \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments& SlotToAdd) \
	{ \
		_##SlotName.Add(SlotToAdd); \
		return *this; \
	} \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments&& SlotToAdd) \
	{ \
		_##SlotName.Add(MoveTemp(SlotToAdd)); \
		return *this; \
	}

#define SLATE_EVENT(DelegateName, EventName) \
	DelegateName _##EventName; \
	WidgetArgsType& EventName(const DelegateName& InDelegate) \
	{ \
		_##EventName = InDelegate; \
		return *this; \
	}

#define SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	FAlwaysValidWidget _##SlotName; \
	DeclarationType& SlotName(const TSharedRef<SWidget>& InChild) \
	{ \
		_##SlotName.Widget = InChild; \
		return *this; \
	}

#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName) \
	SLATE_NAMED_SLOT(DeclarationType, SlotName); \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild) \
	{ \
		_##SlotName.Widget = InChild; \
		return *this; \
	}

/** A widget under construction: made by SNew, finished by operator<<= with its arguments. */
template<typename WidgetType, typename RequiredArgsPayloadType>
struct TSlateDecl
{
	TSlateDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsPayloadType&& InRequiredArgs)
		: Widget(MakeShared<WidgetType>())
		, RequiredArgs(MoveTemp(InRequiredArgs))
	{
		Widget->SetDebugInfo(InType, InFile, OnLine);
	}

	TSlateDecl&& Expose(TSharedPtr<WidgetType>& OutVarToInit) &&
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	TSlateDecl&& Expose(TSharedRef<WidgetType>& OutVarToInit) &&
	{
		OutVarToInit = Widget;
		return MoveTemp(*this);
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) &&
	{
		Widget->SWidgetConstruct(InArgs);
		std::apply([this, &InArgs](auto&... Args) { Widget->Construct(InArgs, Args...); }, RequiredArgs);
		return Widget;
	}

	TSharedRef<WidgetType> Widget;
	RequiredArgsPayloadType RequiredArgs;
};

template<typename WidgetType, typename... RequiredArgTypes>
TSlateDecl<WidgetType, std::tuple<std::decay_t<RequiredArgTypes>...>> MakeTDecl(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgTypes&&... InRequiredArgs)
{
	return TSlateDecl<WidgetType, std::tuple<std::decay_t<RequiredArgTypes>...>>(InType, InFile, OnLine, std::tuple<std::decay_t<RequiredArgTypes>...>(Forward<RequiredArgTypes>(InRequiredArgs)...));
}

#define SNew(WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, ##__VA_ARGS__) <<= typename WidgetType::FArguments()

#define SAssignNew(ExposeAs, WidgetType, ...) \
	MakeTDecl<WidgetType>(#WidgetType, __FILE__, __LINE__, ##__VA_ARGS__).Expose(ExposeAs) <<= typename WidgetType::FArguments()
