#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Delegates/Delegate.h"
#include "Features/IModularFeature.h"
#include "Misc/AssertionMacros.h"
#include "UObject/NameTypes.h"

/**
 * Registry of interfaces that modules publish by name, so that one module can use another's
 * implementation without linking to it (LiveLink publishes its client this way).
 */
class IModularFeatures
{
public:
	DECLARE_EVENT_TwoParams(IModularFeatures, FOnModularFeatureRegistered, const FName&, IModularFeature*);
	DECLARE_EVENT_TwoParams(IModularFeatures, FOnModularFeatureUnregistered, const FName&, IModularFeature*);

	/** Keeps the feature list from changing while another thread walks it. */
	struct FScopedLockModularFeatureList
	{
		FScopedLockModularFeatureList()
		{
			IModularFeatures::Get().LockModularFeatureList();
		}

		~FScopedLockModularFeatureList()
		{
			IModularFeatures::Get().UnlockModularFeatureList();
		}
	};

	/** Access the singleton. */
	static CORE_API IModularFeatures& Get();

	virtual ~IModularFeatures() = default;

	virtual void LockModularFeatureList() = 0;
	virtual void UnlockModularFeatureList() = 0;

	/** Number of registered implementations of the feature type. */
	virtual int32 GetModularFeatureImplementationCount(const FName Type) = 0;

	/** Implementation at Index (registration order) or nullptr; does not assert. */
	virtual IModularFeature* GetModularFeatureImplementation(const FName Type, const int32 Index) = 0;

	/** Registers an implementation; the same implementation may be registered once per type. */
	virtual void RegisterModularFeature(const FName Type, IModularFeature* ModularFeature) = 0;

	/** Removes an implementation registered under the type. */
	virtual void UnregisterModularFeature(const FName Type, IModularFeature* ModularFeature) = 0;

	virtual FOnModularFeatureRegistered& OnModularFeatureRegistered() = 0;
	virtual FOnModularFeatureUnregistered& OnModularFeatureUnregistered() = 0;

	/** True when at least one implementation of the type is registered. */
	bool IsModularFeatureAvailable(const FName Type)
	{
		return GetModularFeatureImplementationCount(Type) > 0;
	}

	/** The first registered implementation; asserts when there is none. */
	template<typename TModularFeature>
	TModularFeature& GetModularFeature(const FName Type)
	{
		IModularFeature* Feature = GetModularFeatureImplementation(Type, 0);
		checkf(Feature != nullptr, TEXT("Modular feature %s is not available"), *Type.ToString());
		return *static_cast<TModularFeature*>(Feature);
	}

	/** Every registered implementation of the type, in registration order. */
	template<typename TModularFeature>
	TArray<TModularFeature*> GetModularFeatureImplementations(const FName Type)
	{
		TArray<TModularFeature*> Result;
		const int32 Count = GetModularFeatureImplementationCount(Type);
		for (int32 Index = 0; Index < Count; ++Index)
		{
			Result.Add(static_cast<TModularFeature*>(GetModularFeatureImplementation(Type, Index)));
		}
		return Result;
	}
};
