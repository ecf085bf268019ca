#include "bench/gedgen/french_corpus.h"

namespace quenor::gedgen {
namespace {

constexpr std::string_view kMaleGivenNames[] = {
    "Jean", "Pierre", "Jean-Baptiste", "Louis", "François", "Joseph", "Jacques", "Nicolas",
    "Jérôme", "Benoît", "Noël", "Loïc", "Côme", "Étienne", "André", "Honoré", "Hervé",
    "René", "Gaël", "Anatole", "Antoine", "Michel", "Jean-Marie", "Pierre-Émile", "Théophile",
    "Raphaël", "Aimé", "Célestin", "Frédéric", "Léon", "Clément", "Josué", "Éloi", "Gérard",
    "Mathieu", "Guillaume", "Charles", "Henri", "Marcel", "Désiré"};

constexpr std::string_view kFemaleGivenNames[] = {
    "Marie", "Jeanne", "Élisabeth", "Françoise", "Gaëlle", "Zoé", "Hélène", "Anaïs",
    "Thérèse", "Adélaïde", "Héloïse", "Cécile", "Geneviève", "Marie-Josèphe", "Ève", "Noémie",
    "Léonie", "Agnès", "Madeleine", "Renée", "Anne", "Catherine", "Marguerite", "Louise",
    "Marie-Anne", "Joséphine", "Angélique", "Clémence", "Maïté", "Mélanie", "Pélagie",
    "Eugénie", "Rosalie", "Félicité", "Aurélie", "Céline", "Bénédicte", "Marthe", "Suzanne",
    "Jeanne-Françoise"};

constexpr std::string_view kSurnames[] = {
    "Martin", "Bernard", "Dubois", "Thomas", "Robert", "Richard", "Petit", "Durand", "Leroy",
    "Moreau", "Simon", "Laurent", "Lefèvre", "Michel", "David", "Bertrand", "Roux", "Vincent",
    "Fournier", "Morel", "Girard", "André", "Lefebvre", "Mercier", "Dupont", "Lambert",
    "Bonnet", "François", "Légaré", "Côté", "Bénard", "Gagné", "Bélanger", "Lévesque",
    "Pelletier", "Béland", "Hébert", "Ménard", "Thériault", "Gélinas", "Lebœuf", "Œuvrard",
    "de La Fontaine", "d'Aubigné", "de Saint-Exupéry", "Le Nôtre", "du Bellay", "de Lévis",
    "Lemaître", "Benoît", "Castaing", "Delmas", "Faure", "Rousseau", "Blanc", "Guérin",
    "Muller", "Henry", "Roussel", "Nicolas", "Perrin", "Mathieu", "Clément", "Gauthier",
    "Dumont", "Lopez", "Fontaine", "Chevalier", "Robin", "Masson", "Sanchez", "Gérard",
    "Nguyen", "Boyer", "Denis", "Lemaire", "Duval", "Joly", "Gautier", "Roger", "Roche",
    "Roy", "Noël", "Meyer", "Lucas", "Meunier", "Jean", "Pérez", "Marchand", "Dufour",
    "Blanchard", "Marie", "Barbier", "Brun", "Dumas", "Brunet", "Schmitt", "Leroux",
    "Colin", "Fernandez", "Pierre", "Renard", "Arnaud", "Rolland", "Caron", "Aubert",
    "Giraud", "Leclerc", "Vidal", "Bourgeois", "Renaud", "Lemoine", "Picard", "Gaillard",
    "Philippe", "Leclercq", "Lacroix", "Fabre", "Dupuis", "Olivier", "Rodriguez", "Da Silva",
    "Hubert", "Louis", "Charles", "Guillot", "Rivière", "Le Gall", "Guillaume", "Adam",
    "Rey", "Moulin", "Gonzalez", "Berger", "Lecomte", "Ménétrier", "Jacquet", "Poirier",
    "Collet", "Prévost", "Chauvin", "Huet", "Carré", "Cordonnier", "Bœuf", "Langlois",
    "Daniel", "Gilbert", "Besnard", "Cléry", "Paillé", "Lecœur", "Maréchal", "Séguin"};

constexpr std::string_view kPlaces[] = {
    "Rouen, Seine-Maritime, France",
    "Le Havre, Seine-Maritime, France",
    "Dieppe, Seine-Maritime, France",
    "Fécamp, Seine-Maritime, France",
    "Évreux, Eure, France",
    "Les Andelys, Eure, France",
    "Caen, Calvados, France",
    "Bayeux, Calvados, France",
    "Lisieux, Calvados, France",
    "Alençon, Orne, France",
    "Saint-Lô, Manche, France",
    "Amiens, Somme, France",
    "Beauvais, Oise, France",
    "Chartres, Eure-et-Loir, France",
    "Orléans, Loiret, France",
    "Saint-Étienne, Loire, France",
    "Besançon, Doubs, France",
    "Nîmes, Gard, France",
    "Angoulême, Charente, France",
    "Pontoise, Val-d'Oise, France",
    "Châlons-en-Champagne, Marne, France",
    "Reims, Marne, France",
    "Troyes, Aube, France",
    "Mâcon, Saône-et-Loire, France",
    "Lyon, Rhône, France",
    "Grenoble, Isère, France",
    "Périgueux, Dordogne, France",
    "Béziers, Hérault, France",
    "Montélimar, Drôme, France",
    "Guérande, Loire-Atlantique, France",
    "Vitré, Ille-et-Vilaine, France",
    "Quimper, Finistère, France",
    "Paris, Seine, France",
    "Versailles, Seine-et-Oise, France",
    "Tours, Indre-et-Loire, France",
    "Épinal, Vosges, France",
    "Sainte-Ménehould, Marne, France",
    "Pont-l'Évêque, Calvados, France"};

constexpr std::string_view kNoteSentences[] = {
    "Baptisé le lendemain de sa naissance en l'église paroissiale.",
    "Parrain : son oncle paternel ; marraine : sa grand-mère maternelle.",
    "Laboureur, puis marchand de grains après son mariage.",
    "Acte de mariage signé par les deux époux et quatre témoins.",
    "Décédé « en sa maison » selon le registre, âgé d'environ soixante ans.",
    "Tisserand à domicile, il livrait ses pièces de toile au marché de la ville.",
    "Présence de dispense de consanguinité au troisième degré.",
    "Recensement de 1836 : domicilié rue de l'Église avec sa femme et trois enfants.",
    "Inventaire après décès dressé chez le notaire du bourg.",
    "Lieu de naissance déduit de l'âge indiqué à son mariage.",
    "Mention marginale : divorce prononcé puis remariage dans la même commune.",
    "Sœur aînée de la mariée, témoin à l'acte."};

constexpr std::string_view kSourceTitles[] = {
    "Registres paroissiaux de Rouen, baptêmes, mariages, sépultures",
    "État civil d'Évreux, naissances",
    "État civil de Caen, mariages",
    "Archives départementales de Seine-Maritime, série 4E",
    "Recensements de population, Calvados",
    "Minutes notariales, étude de maître Lefèvre",
    "Tables décennales, Eure-et-Loir",
    "Registres matricules du recrutement militaire, Orne"};

}  // namespace

std::span<const std::string_view> MaleGivenNames() { return kMaleGivenNames; }
std::span<const std::string_view> FemaleGivenNames() { return kFemaleGivenNames; }
std::span<const std::string_view> Surnames() { return kSurnames; }
std::span<const std::string_view> Places() { return kPlaces; }
std::span<const std::string_view> NoteSentences() { return kNoteSentences; }
std::span<const std::string_view> SourceTitles() { return kSourceTitles; }

}  // namespace quenor::gedgen
