// Extensibility managers: where modules leave menu and toolbar extenders for an editor to apply.

#pragma once

#include "CoreMinimal.h"

class FExtender;
class FUICommandList;
class UObject;

class UNREALED_API FExtensibilityManager
{
public:
	virtual ~FExtensibilityManager();

	virtual void AddExtender(TSharedPtr<FExtender> Extender);
	virtual void RemoveExtender(TSharedPtr<FExtender> Extender);

	/** One extender holding every added extender's extensions, in the order they were added. */
	virtual TSharedPtr<FExtender> GetAllExtenders();
	virtual TSharedPtr<FExtender> GetAllExtenders(const TSharedRef<FUICommandList>& CommandList, const TArray<UObject*>& ContextSensitiveObjects);

	/** Stand-in host access: how many extenders were added. */
	int32 NumExtendersForHost() const
	{
		return Extenders.Num();
	}

private:
	TArray<TSharedPtr<FExtender>> Extenders;
};
