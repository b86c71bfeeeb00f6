#include "UObject/ReferenceRemap.h"

#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/ScriptInterface.h"
#include "UObject/UnrealType.h"

#include <new>

namespace UE::CoreUObject::Private
{
	namespace
	{
		/** The object a reference holds after the remap, or Object when the reference stays. */
		UObject* Remapped(UObject* Object, const FReferenceRemap& Remap)
		{
			return Object ? Remap.Replace(Object) : nullptr;
		}

		void RemapDelegate(FScriptDelegate& Delegate, const FReferenceRemap& Remap)
		{
			UObject* Bound = Delegate.GetUObjectEvenIfUnreachable();
			UObject* Target = Remapped(Bound, Remap);
			if (Target != Bound)
			{
				Delegate.Object = Target;
			}
		}

		void* AllocateValue(const FProperty* Property)
		{
			void* Memory = ::operator new((size_t)Property->GetElementSize(), std::align_val_t((size_t)Property->GetMinAlignment()));
			Property->InitializeValue(Memory);
			return Memory;
		}

		void FreeValue(const FProperty* Property, void* Memory)
		{
			Property->DestroyValue(Memory);
			::operator delete(Memory, std::align_val_t((size_t)Property->GetMinAlignment()));
		}

		/** Whether remapping would change any key of the map. */
		bool RemapChangesAKey(const FMapProperty* MapProperty, const void* Map, const FReferenceRemap& Remap)
		{
			struct FContext
			{
				const FMapProperty* Property;
				const FReferenceRemap* Remap;
				bool bChanges;
			} Context{ MapProperty, &Remap, false };
			MapProperty->MapOps->ForEachPair(
				Map, [](void* ContextPtr, const void* Key, const void*) {
					FContext& Ctx = *(FContext*)ContextPtr;
					if (Ctx.bChanges)
					{
						return;
					}
					void* NewKey = AllocateValue(Ctx.Property->KeyProp);
					Ctx.Property->KeyProp->CopySingleValue(NewKey, Key);
					RemapReferences(Ctx.Property->KeyProp, NewKey, *Ctx.Remap);
					Ctx.bChanges = !Ctx.Property->KeyProp->Identical(Key, NewKey);
					FreeValue(Ctx.Property->KeyProp, NewKey);
				},
				&Context);
			return Context.bChanges;
		}

		void RemapMap(const FMapProperty* MapProperty, void* Map, const FReferenceRemap& Remap)
		{
			const FScriptMapOps* Ops = MapProperty->MapOps;
			if (Ops->Num(Map) == 0)
			{
				return;
			}
			struct FContext
			{
				const FMapProperty* Property;
				void* Map;
				const FReferenceRemap* Remap;
			};
			if (!RemapChangesAKey(MapProperty, Map, Remap))
			{
				// Values take no part in the map's hashing: they are remapped where they are.
				FContext Context{ MapProperty, Map, &Remap };
				Ops->ForEachPair(
					Map, [](void* ContextPtr, const void*, const void* Value) {
						const FContext& Ctx = *(const FContext*)ContextPtr;
						RemapReferences(Ctx.Property->ValueProp, const_cast<void*>(Value), *Ctx.Remap);
					},
					&Context);
				return;
			}
			// Keys do, so every pair is added again instead of edited in place.
			void* OldPairs = ::operator new((size_t)Ops->Size, std::align_val_t((size_t)Ops->Alignment));
			Ops->Construct(OldPairs);
			Ops->Copy(OldPairs, Map);
			Ops->Empty(Map);
			FContext Context{ MapProperty, Map, &Remap };
			Ops->ForEachPair(
				OldPairs, [](void* ContextPtr, const void* Key, const void* Value) {
					const FContext& Ctx = *(const FContext*)ContextPtr;
					void* NewKey = AllocateValue(Ctx.Property->KeyProp);
					Ctx.Property->KeyProp->CopySingleValue(NewKey, Key);
					RemapReferences(Ctx.Property->KeyProp, NewKey, *Ctx.Remap);
					void* NewValue = Ctx.Property->MapOps->FindOrAdd(Ctx.Map, NewKey);
					Ctx.Property->ValueProp->CopySingleValue(NewValue, Value);
					RemapReferences(Ctx.Property->ValueProp, NewValue, *Ctx.Remap);
					FreeValue(Ctx.Property->KeyProp, NewKey);
				},
				&Context);
			Ops->Destruct(OldPairs);
			::operator delete(OldPairs, std::align_val_t((size_t)Ops->Alignment));
		}
	}

	void RemapReferences(const FProperty* Property, void* Value, const FReferenceRemap& Remap)
	{
		if (Property->IsA<FSoftObjectProperty>())
		{
			return;
		}
		if (const FObjectPropertyBase* ObjectProperty = CastField<FObjectPropertyBase>(Property))
		{
			if (Property->IsA<FWeakObjectProperty>() && !Remap.bIncludeWeak)
			{
				return;
			}
			UObject* Object = ObjectProperty->GetObjectPropertyValue(Value);
			UObject* Target = Remapped(Object, Remap);
			if (Target != Object)
			{
				ObjectProperty->SetObjectPropertyValue(Value, Target);
			}
		}
		else if (const FInterfaceProperty* InterfaceProperty = CastField<FInterfaceProperty>(Property))
		{
			FScriptInterface& Interface = *(FScriptInterface*)Value;
			UObject* Object = Interface.GetObject();
			UObject* Target = Remapped(Object, Remap);
			if (Target != Object)
			{
				Interface.SetObject(Target);
				Interface.SetInterface(Target && InterfaceProperty->InterfaceClass ? Target->GetNativeInterfaceAddress(InterfaceProperty->InterfaceClass) : nullptr);
			}
		}
		else if (const FStructProperty* StructProperty = CastField<FStructProperty>(Property))
		{
			RemapReferencesInContainer(StructProperty->Struct, Value, Remap);
		}
		else if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
		{
			FScriptArrayHelper Helper(ArrayProperty, Value);
			for (int32 Index = 0; Index < Helper.Num(); ++Index)
			{
				RemapReferences(ArrayProperty->Inner, Helper.GetRawPtr(Index), Remap);
			}
		}
		else if (const FMapProperty* MapProperty = CastField<FMapProperty>(Property))
		{
			RemapMap(MapProperty, Value, Remap);
		}
		else if (!Remap.bIncludeWeak)
		{
			// Delegate bindings are weak.
		}
		else if (Property->IsA<FMulticastDelegateProperty>())
		{
			for (FScriptDelegate& Delegate : ((FMulticastScriptDelegate*)Value)->InvocationList)
			{
				RemapDelegate(Delegate, Remap);
			}
		}
		else if (Property->IsA<FDelegateProperty>())
		{
			RemapDelegate(*(FScriptDelegate*)Value, Remap);
		}
	}

	void RemapReferencesInContainer(const UStruct* Struct, void* Container, const FReferenceRemap& Remap)
	{
		for (TFieldIterator<FProperty> It(Struct); It; ++It)
		{
			for (int32 Index = 0; Index < It->ArrayDim; ++Index)
			{
				RemapReferences(*It, It->ContainerPtrToValuePtr<void>(Container, Index), Remap);
			}
		}
	}
}
